#include "host/ui/SplashPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace splash_pictures {

QPixmap unitFront(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF frame = QRectF(picture.rect()).adjusted(4, 4, -4, -4);
    QLinearGradient body(frame.topLeft(), frame.bottomRight());
    body.setColorAt(0, QColor(250, 250, 248));
    body.setColorAt(1, QColor(214, 214, 210));
    painter.setPen(QPen(QColor(150, 150, 150), 2));
    painter.setBrush(body);
    painter.drawRoundedRect(frame, 10, 10);

    // Display with a temperature and a clock.
    const QRectF display(frame.left() + frame.width() * 0.15, frame.top() + frame.height() * 0.1,
                         frame.width() * 0.7, frame.height() * 0.3);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(178, 204, 170));
    painter.drawRoundedRect(display, 3, 3);
    QFont digits(QStringLiteral("Monospace"));
    digits.setStyleHint(QFont::TypeWriter);
    digits.setPixelSize(qMax(8, static_cast<int>(display.height() * 0.38)));
    painter.setFont(digits);
    painter.setPen(QColor(30, 40, 30));
    painter.drawText(display.adjusted(6, 2, -6, -2), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("21.5°C"));
    painter.drawText(display.adjusted(6, 2, -6, -2), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("12:00"));

    // Two columns of buttons, each with its LED.
    const qreal top = frame.top() + frame.height() * 0.48;
    const qreal rowHeight = frame.height() * 0.14;
    const qreal buttonWidth = frame.width() * 0.32;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            const qreal left =
                column == 0 ? frame.left() + frame.width() * 0.12 : frame.center().x() + frame.width() * 0.06;
            const QRectF button(left, top + row * rowHeight * 1.15, buttonWidth, rowHeight);
            painter.setPen(QPen(QColor(140, 140, 140), 1));
            painter.setBrush(QColor(238, 238, 236));
            painter.drawRoundedRect(button, 4, 4);
            const qreal led = rowHeight * 0.28;
            painter.setPen(Qt::NoPen);
            painter.setBrush(row == 0 && column == 0 ? QColor(230, 60, 40) : QColor(90, 180, 80));
            painter.drawEllipse(QPointF(button.left() + led * 1.4, button.center().y()), led / 2, led / 2);
        }
    }
    return picture;
}

QPixmap logo(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A "K" in a rounded square beside the word mark.
    const qreal mark = size.height() * 0.9;
    const QRectF badge(2, (size.height() - mark) / 2, mark, mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 84, 150));
    painter.drawRoundedRect(badge, mark * 0.18, mark * 0.18);
    QPainterPath letter;
    letter.moveTo(badge.left() + mark * 0.3, badge.top() + mark * 0.2);
    letter.lineTo(badge.left() + mark * 0.3, badge.bottom() - mark * 0.2);
    letter.moveTo(badge.right() - mark * 0.25, badge.top() + mark * 0.2);
    letter.lineTo(badge.left() + mark * 0.32, badge.center().y());
    letter.lineTo(badge.right() - mark * 0.25, badge.bottom() - mark * 0.2);
    painter.setPen(QPen(Qt::white, mark * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letter);

    QFont word;
    word.setBold(true);
    word.setPixelSize(qMax(8, static_cast<int>(size.height() * 0.36)));
    painter.setFont(word);
    painter.setPen(QColor(0, 84, 150));
    const QRectF text(badge.right() + 8, 0, size.width() - badge.right() - 8, size.height());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Korvandel"));
    return picture;
}

} // namespace splash_pictures
