#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The program runs with an application object; so do these tests (the database driver is a plugin).
class QtEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "cinelog_test";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QCoreApplication> m_app;
};

[[maybe_unused]] ::testing::Environment *const qtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}
