#include "files/ui/fAbout.h"

#include "host/PlugInIdentity.h"
#include "host/UiServices.h"

#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text)
{
    auto* item = new QLabel(text, parent);
    item->setObjectName(name);
    return item;
}

} // namespace

const QString fAbout::EmailAddress = QStringLiteral("info@example.com");
const QString fAbout::WebAddress = QStringLiteral("https://www.example.com");
const QString fAbout::HandCursorFile = QStringLiteral("\\H_Point.cur");

std::optional<QCursor> fAbout::loadCursor(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    // A cursor file starts with its directory (type 2) and the first entry's hot spot.
    constexpr qsizetype HotSpotOffset = 10;
    constexpr quint16 CursorType = 2;
    const auto word = [&content](qsizetype offset) {
        return quint16(quint8(content.at(offset)) | quint8(content.at(offset + 1)) << 8);
    };
    if (content.size() < HotSpotOffset + 4 || word(2) != CursorType)
        return std::nullopt;
    QPixmap picture;
    if (!picture.loadFromData(content, "cur"))
        return std::nullopt;
    return QCursor(picture, word(HotSpotOffset), word(HotSpotOffset + 2));
}

fAbout::fAbout(UiServices& ui, bool english, QWidget* parent, const QString& cursorFile)
    : QDialog(parent), m_ui(ui)
{
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label(this, QStringLiteral("lblVersion"),
                            (english ? QStringLiteral("ZEP31 configuration plug-in, version ")
                                     : QStringLiteral("ZEP31 Konfigurations-Plug-in, Version ")) +
                                plugin_identity::Version),
                      0, 0, 1, 2);
    layout->addWidget(label(this, QStringLiteral("lblCompany"), QStringLiteral("Korvandel Devices GmbH")), 1,
                      0, 1, 2);
    layout->addWidget(label(this, QStringLiteral("lblAddress"),
                            QStringLiteral("Musterstraße 1, 12345 Musterstadt, Germany")),
                      2, 0, 1, 2);
    layout->addWidget(label(this, QStringLiteral("lbltxtEmail"), QStringLiteral("E-Mail:")), 3, 0);
    QLabel* email = label(this, QStringLiteral("lblemail"), EmailAddress);
    layout->addWidget(email, 3, 1);
    layout->addWidget(label(this, QStringLiteral("lbltxtHyperlink"), QStringLiteral("Internet:")), 4, 0);
    QLabel* web = label(this, QStringLiteral("lblHyperlink"), WebAddress);
    layout->addWidget(web, 4, 1);
    auto* disclaimer =
        label(this, QStringLiteral("lbl_Software_Hinweis"),
              english ? QStringLiteral("This software is provided as is, without any warranty.")
                      : QStringLiteral("Diese Software wird ohne Gewähr bereitgestellt."));
    disclaimer->setWordWrap(true);
    layout->addWidget(disclaimer, 5, 0, 1, 2);
    layout->addWidget(label(this, QStringLiteral("lblLegal"),
                            QStringLiteral("Korvandel Devices GmbH, Amtsgericht Musterstadt HRB 0000")),
                      6, 0, 1, 2);

    // The links look like links and open through the UiServices service, never a shell. The pointer over
    // them is the product's own hand, or the desktop's while that cannot be loaded.
    const std::optional<QCursor> hand = loadCursor(cursorFile);
    for (QLabel* link : {email, web}) {
        link->setText(QStringLiteral("<a href=\"#\">") + link->text().toHtmlEscaped() +
                      QStringLiteral("</a>"));
        link->setCursor(hand.value_or(QCursor(Qt::PointingHandCursor)));
    }
    connect(email, &QLabel::linkActivated, this, [this] { lblemail_Click(); });
    connect(web, &QLabel::linkActivated, this, [this] { lblHyperlink_Click(); });

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void fAbout::lblemail_Click()
{
    m_ui.openDocument(QStringLiteral("mailto:") + EmailAddress, true);
}

void fAbout::lblHyperlink_Click()
{
    m_ui.openDocument(WebAddress, true);
}
