#include "frmSplash.h"

#include "AppContext.h"
#include "WindowUtil.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

const char *const frmSplash::TmdbAttribution =
    QT_TRANSLATE_NOOP("frmSplash", "This product uses the TMDB API but is not endorsed or certified by TMDB.");

namespace {
frmSplash *g_splash = nullptr;
bool g_startupSplashMade = false;
}

frmSplash::frmSplash(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_ctx(ctx)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(550, 230);
    g_splash = this;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 80, 24, 16);
    lblVersion = new QLabel(ctx.VersionText, this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDoingWhat = new QLabel(this);
    lblDoingWhat->setObjectName(QStringLiteral("lblDoingWhat"));
    // The product's address as a link; a build without an address shows none.
    lblWebAddress = new QLabel(this);
    lblWebAddress->setObjectName(QStringLiteral("lblWebAddress"));
    const QString address = ctx.WebAddress;
    if (!address.isEmpty()) {
        lblWebAddress->setTextFormat(Qt::RichText);
        lblWebAddress->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                   .arg(QString::fromLatin1(QUrl(address).toEncoded()).toHtmlEscaped(),
                                        address.toHtmlEscaped()));
    }
    for (QLabel *l : {lblVersion, lblDoingWhat, lblWebAddress})
        l->setStyleSheet(QStringLiteral("color: white;"));
    lblWebAddress->setStyleSheet(QStringLiteral("color: #ffd36b;"));
    layout->addStretch();
    layout->addWidget(lblVersion);
    layout->addWidget(lblDoingWhat);
    layout->addWidget(lblWebAddress);
    lblWebAddress->setVisible(!address.isEmpty());
    lblAttribution = new QLabel(tr(TmdbAttribution), this);
    lblAttribution->setObjectName(QStringLiteral("lblAttribution"));
    lblAttribution->setWordWrap(true);
    lblAttribution->setStyleSheet(QStringLiteral("color: #c8cdd8;"));
    QFont small = lblAttribution->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblAttribution->setFont(small);
    layout->addWidget(lblAttribution);
    setAboutBox(g_startupSplashMade);
    g_startupSplashMade = true;
    connect(lblWebAddress, &QLabel::linkActivated, this, [this](const QString &link) {
        m_ctx.guard(QStringLiteral("frmSplash - lblWebAddress_Click"), [&] { m_ctx.urlOpener().open(QUrl(link)); });
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &QWidget::close);
    SetTopMost(this, true);
}

frmSplash::~frmSplash()
{
    if (g_splash == this)
        g_splash = nullptr;
}

void frmSplash::setAboutBox(bool about)
{
    m_aboutBox = about;
    lblAttribution->setVisible(about);
}

bool frmSplash::SplashLoaded()
{
    return g_splash != nullptr;
}

frmSplash *frmSplash::instance()
{
    return g_splash;
}

void frmSplash::setDoingWhat(const QString &text)
{
    lblDoingWhat->setText(text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmSplash::armTimer()
{
    Timer1->start();
}

void frmSplash::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_ctx.guard(QStringLiteral("frmSplash - Form_Click"), [this] { close(); });
}

void frmSplash::paintEvent(QPaintEvent *)
{
    // The splash picture is drawn: a dark band with the program's name and a strip of film frames.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x1d, 0x2b, 0x4a));
    g.setColorAt(1, QColor(0x0b, 0x10, 0x1c));
    p.fillRect(rect(), g);
    p.setBrush(QColor(0x2c, 0x2c, 0x2c));
    p.setPen(Qt::NoPen);
    p.drawRect(0, 8, width(), 36);
    p.setBrush(QColor(0xee, 0xee, 0xee));
    for (int x = 10; x < width(); x += 28)
        p.drawRoundedRect(x, 14, 14, 8, 2, 2);
    for (int x = 10; x < width(); x += 28)
        p.drawRoundedRect(x, 30, 14, 8, 2, 2);
    QFont f = font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(24, 48, width() - 48, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Cinelog"));
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    if (g_splash == this)
        g_splash = nullptr;
    QWidget::closeEvent(event);
}
