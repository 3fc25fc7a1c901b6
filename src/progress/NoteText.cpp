#include "progress/NoteText.h"

#include "theory/Note.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <array>

namespace tonalyst {

namespace {

constexpr std::array<int, 7> kNaturalSemitones{0, 2, 4, 5, 7, 9, 11};

std::optional<int> letterOf(QChar c) {
    static constexpr std::string_view kLetters = "CDEFGAB";
    const auto at = kLetters.find(static_cast<char>(c.toLatin1()));
    if (c.unicode() > 127 || at == std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(at);
}

std::optional<NoteText> readNote(QStringView word) {
    if (word.isEmpty())
        return std::nullopt;
    NoteText note;
    const auto letter = letterOf(word.front());
    if (!letter)
        return std::nullopt;
    note.letter = *letter;
    qsizetype at = 1;
    while (at < word.size() && QStringView(u"#xbn").contains(word[at]))
        ++at;
    const QStringView sign = word.mid(1, at - 1);
    static const std::array<std::pair<QStringView, int>, 7> kSigns{
        {{u"", 0}, {u"n", 0}, {u"#", 1}, {u"##", 2}, {u"x", 2}, {u"b", -1}, {u"bb", -2}}};
    const auto known = std::find_if(kSigns.begin(), kSigns.end(), [&](const auto& s) { return s.first == sign; });
    if (known == kSigns.end())
        return std::nullopt;
    note.accidental = known->second;
    note.naturalSign = sign == u"n";
    if (at < word.size()) {
        bool ok = false;
        note.octave = word.mid(at).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return note;
}

} // namespace

int NoteText::pitchClass() const {
    return ((kNaturalSemitones[static_cast<std::size_t>(letter)] + accidental) % 12 + 12) % 12;
}

int NoteText::pitch() const {
    return 12 * octave + kNaturalSemitones[static_cast<std::size_t>(letter)] + accidental;
}

std::optional<std::vector<NoteText>> readNotes(const QString& text) {
    std::vector<NoteText> notes;
    for (QStringView word : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto note = readNote(word);
        if (!note)
            return std::nullopt;
        notes.push_back(*note);
    }
    return notes;
}

QString noteTextName(const NoteText& note) {
    const QString name = QString::fromStdString(noteName(SpelledNote{note.letter, note.accidental}));
    return note.naturalSign ? name + QStringLiteral("-natural") : name;
}

} // namespace tonalyst
