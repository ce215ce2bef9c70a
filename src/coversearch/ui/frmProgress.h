#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The cover search's progress window: a running marquee until the number of pages is known, then
// a bar from 0 to 100, and a Cancel button (Esc presses it; so does closing the window).
class frmProgress : public QDialog
{
    Q_OBJECT

public:
    explicit frmProgress(QWidget *owner);

    void setMarquee(bool on);
    bool marquee() const;

    QProgressBar *pgbProgress;
    QLabel *lblInformation;
    QPushButton *cmdCancel;

signals:
    // The user cancels.
    void cancelled();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdCancel_Click();
};
