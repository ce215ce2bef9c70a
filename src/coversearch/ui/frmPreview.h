#pragma once

#include <QDialog>

class AppContext;
class QGroupBox;
class QImage;
class QLabel;
class QPushButton;
class QScrollBar;

// Shows one cover at its natural size in a viewport with two scroll bars. The bars count in twips
// (small step 100, large step 500); the mouse wheel over the picture moves the vertical bar by one
// small step, or the horizontal one with Shift held. Enter and Esc close the window; its position
// and size are kept in the settings section "frmPreview".
class frmPreview : public QDialog
{
    Q_OBJECT

public:
    frmPreview(AppContext &ctx, QWidget *owner);

    // Puts the picture into the viewport at its top-left corner and fits the scroll bars.
    void setPicture(const QImage &picture);
    // Fits the scroll bars to the picture and the viewport.
    void CalculateDimensions();

    QGroupBox *fraPreview;
    QWidget *picContainer;
    QLabel *imgPreview;
    QScrollBar *vsbVScroll;
    QScrollBar *hsbHScroll;
    QPushButton *cmdClose;

    // Client size at design; also the smallest the window can be made.
    static QSize designSize() { return QSize(361, 400); }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutControls();
    void wheel(int delta, bool shift);
    void Form_Unload();

    AppContext &m_ctx;
    bool m_unloaded = false;
};
