#pragma once

#include "staff/NoteLayout.h"
#include "staff/StaffTypes.h"
#include "staff/TwipScale.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;

namespace tonalyst {

class GlyphLabel;
class StaffDropZone;

// The five-line staff: clef, key signature, the drawn notes, the drag hint beside it
// (`Label15`), the names of the entered notes under it (`notenames`, `imgaccname`) and the
// drop zone over it (`Label10`). It shows what it is given; the rules live elsewhere.
class StaffWidget : public QWidget {
    Q_OBJECT

public:
    explicit StaffWidget(QWidget* parent = nullptr);

    void setClef(Clef clef);
    Clef clef() const { return m_clef; }
    void setSignature(SignatureKind kind, int count);
    void setSignatureVisible(bool visible);
    bool isSignatureVisible() const { return m_signatureVisible; }
    SignatureKind signatureKind() const { return m_signatureKind; }
    int signatureCount() const { return m_signatureCount; }
    // The staff read out, for assistive technology; a change is announced.
    void setSpokenText(const QString& text);
    QString spokenText() const { return m_spokenText; }
    void setNotes(std::vector<PlacedNote> notes);
    // A faint note where a dragged note would land; nothing when none.
    void setPreview(std::optional<StaffNote> note);
    void setHint(const QString& text);
    // The names under the staff, one per entry slot; an empty slot shows nothing.
    void setNames(const std::vector<StaffNote>& entered);

    // Pixel position of a point given in window twips.
    QPointF toPixels(QPointF twips) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The pointer over the drop zone, in twips from its top left.
    void dragMoved(int code, QPoint twips);
    void dragLeft();
    void dropped(int code, QPoint twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void placeChildren();
    QRect childRect(const QRect& twips) const;

    Clef m_clef = Clef::Treble;
    SignatureKind m_signatureKind = SignatureKind::Sharp;
    int m_signatureCount = 0;
    bool m_signatureVisible = false;
    std::vector<PlacedNote> m_notes;
    std::optional<StaffNote> m_preview;
    QString m_spokenText;
    StaffDropZone* m_dropZone;
    QLabel* m_hint;
    std::array<QLabel*, kMaxNotes> m_names{};
    std::array<GlyphLabel*, kMaxNotes> m_nameSigns{};
};

} // namespace tonalyst
