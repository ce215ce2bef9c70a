#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QTimer;

// The start-up splash; it doubles as the About box. The first one of a program run is the start-up
// splash; every later one (the About command) is the About box, which also carries the credits of
// the services the program uses.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(AppContext &ctx, QWidget *parent = nullptr);
    ~frmSplash() override;

    // True from construction until the window closes.
    static bool SplashLoaded();
    static frmSplash *instance();

    // Sets the step text and lets the window draw it.
    void setDoingWhat(const QString &text);
    void armTimer();

    // The About box shows the credits line; the start-up splash does not.
    bool isAboutBox() const { return m_aboutBox; }
    void setAboutBox(bool about);

    QLabel *lblDoingWhat;
    QLabel *lblVersion;
    QLabel *lblWebAddress;
    QLabel *lblAttribution;
    QTimer *Timer1;

    static const char *const TmdbAttribution;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_ctx;
    bool m_aboutBox = false;
};
