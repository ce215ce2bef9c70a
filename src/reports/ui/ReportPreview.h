#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <utility>

class AppContext;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace report {
class PageSource;
}

class ReportPageView;

// The print preview of a report: one page at a time, laid out and drawn only when it is shown, with
// the last few drawn pages kept for going back and forth. Page keys (Page Up/Down, Home/End), a page
// box, zoom (fit width, fit page, percentages), and Print and Save as PDF, which the caller carries
// out (printRequested, saveRequested). The window keeps its size for the next time.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    // Drawn pages kept at once.
    static constexpr int CachedPages = 4;

    ReportPreview(AppContext &ctx, report::PageSource &pages, QWidget *parent = nullptr);
    ~ReportPreview() override;

    int currentPage() const { return m_current; }
    int pageCount() const;
    void setCurrentPage(int number);

    // Zoom: "fit width", "fit page", or a percentage of the paper's real size.
    enum class ZoomMode { FitWidth, FitPage, Percent };
    void setZoom(ZoomMode mode, int percent = 100);
    ZoomMode zoomMode() const { return m_zoomMode; }
    // Screen pixels per twip of paper at the current zoom.
    double scale() const { return m_scale; }

    // The drawn pages kept, most recently used first.
    QList<int> cachedPages() const;
    // The current page as drawn (device pixels).
    QImage currentImage();

signals:
    void printRequested();
    void saveRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    friend class ReportPageView;
    void updateScale();
    void updateControls();
    const QImage &image(int number);
    void zoomChosen(int index);

    AppContext &m_ctx;
    report::PageSource &m_pages;
    int m_current = 1;
    ZoomMode m_zoomMode = ZoomMode::FitWidth;
    int m_percent = 100;
    double m_scale = 0;
    QList<std::pair<int, QImage>> m_cache;

    QToolButton *btnFirst = nullptr;
    QToolButton *btnPrevious = nullptr;
    QSpinBox *spnPage = nullptr;
    QLabel *lblPageCount = nullptr;
    QToolButton *btnNext = nullptr;
    QToolButton *btnLast = nullptr;
    QComboBox *cmbZoom = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnSavePdf = nullptr;
    QPushButton *btnClose = nullptr;
    QScrollArea *scrPage = nullptr;
    ReportPageView *m_view = nullptr;
};
