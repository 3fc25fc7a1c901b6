#include "staff/NoteDrag.h"

#include "staff/StaffGeometry.h"
#include "staff/StaffPainter.h"
#include "staff/StaffTypes.h"

namespace tonalyst {

namespace sg = staffgeometry;

namespace {
const QString kNoteMimeType = QStringLiteral("application/x-tonalyst-note");
constexpr int kMargin = 30; // twips around the ink
} // namespace

std::unique_ptr<QMimeData> makeNoteMimeData(int code) {
    auto mime = std::make_unique<QMimeData>();
    mime->setData(kNoteMimeType, QByteArray::number(code));
    return mime;
}

std::optional<int> noteCodeFromMime(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasFormat(kNoteMimeType))
        return std::nullopt;
    bool ok = false;
    const int code = mime->data(kNoteMimeType).toInt(&ok);
    if (!ok || code < 0 || code >= kAccidentalCodes)
        return std::nullopt;
    return code;
}

// The picture is laid out in twips like a note in slot A, then cropped to the ink.
NotePicture makeNotePicture(int code, TwipScale scale, qreal devicePixelRatio, const QColor& ink) {
    const int headWidth = StaffPainter::glyphWidth(MusicGlyph::NoteHead);
    const int accidentalWidth = code > NoSign ? StaffPainter::glyphWidth(accidentalGlyph(code)) : 0;
    const int headLeft = sg::headLeft(sg::Slot::A);
    const int accidentalRight = sg::accidentalRight(headLeft);
    const int inkLeft = code > NoSign ? accidentalRight - accidentalWidth : headLeft;
    const int top = -2 * sg::kLineSpacing; // flats reach high above the head, sharps below it
    const int height = 7 * sg::kLineSpacing / 2;
    const QRect twips(inkLeft - kMargin, top, headLeft + headWidth - inkLeft + 2 * kMargin, height);

    const QSize size = scale.toPixels(twips.size());
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        StaffPainter staff(painter, scale, twips.topLeft());
        staff.drawGlyph(MusicGlyph::NoteHead, QPointF(headLeft, 0), StaffPainter::Edge::Left, ink);
        if (code > NoSign)
            staff.drawGlyph(accidentalGlyph(code), QPointF(accidentalRight, 0),
                            StaffPainter::Edge::Right, ink);
    }
    // The head's bottom left corner lies at the drag offsets up and left of the pointer.
    const QPoint headBottomLeft(headLeft, sg::kStep);
    const QPoint pointer = headBottomLeft + QPoint(sg::kDragXOffset.at(static_cast<std::size_t>(code)),
                                                   sg::kDragYOffset.at(static_cast<std::size_t>(code)));
    return {pixmap, scale.toPixels(QPointF(pointer - twips.topLeft())).toPoint()};
}

} // namespace tonalyst
