#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QTimer;

// The start-up splash; it doubles as the About box.
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

    QLabel *lblDoingWhat;
    QLabel *lblVersion;
    QLabel *lblWebAddress;
    QTimer *Timer1;

    static const char *const WebAddress;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_ctx;
};
