#include "captions/AnswerCaptions.h"

#include "theory/AnswerMenus.h"
#include "theory/NoteNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <span>

namespace tonalyst {

namespace {

QString text(std::string_view caption) {
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

// The captions that hold words, under the menu they stand in, as translators find them. The
// roman numerals read alike in every language and stay as they are; "Seventh :" is a chord
// in one menu and an interval in another.
constexpr char kChordContext[] = "ChordAnswers";
constexpr std::array kChordWords{
    QT_TRANSLATE_NOOP("ChordAnswers", "Triad :"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Seventh :"),
    QT_TRANSLATE_NOOP("ChordAnswers", "V7 of"),
    QT_TRANSLATE_NOOP("ChordAnswers", "vii-dim7 of"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Augmented 6 :"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Flat-II (Neapolitan)"),
    QT_TRANSLATE_NOOP("ChordAnswers", "ii-dim"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Flat-III"),
    QT_TRANSLATE_NOOP("ChordAnswers", "III-aug"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Flat-VI"),
    QT_TRANSLATE_NOOP("ChordAnswers", "vi-dim"),
    QT_TRANSLATE_NOOP("ChordAnswers", "vii-dim"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Flat-VII"),
    QT_TRANSLATE_NOOP("ChordAnswers", "ii-half-dim7"),
    QT_TRANSLATE_NOOP("ChordAnswers", "III-maj7"),
    QT_TRANSLATE_NOOP("ChordAnswers", "IV-maj7"),
    QT_TRANSLATE_NOOP("ChordAnswers", "VI-maj7"),
    QT_TRANSLATE_NOOP("ChordAnswers", "vii-half-dim7"),
    QT_TRANSLATE_NOOP("ChordAnswers", "vii-dim7"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Flat-II"),
    QT_TRANSLATE_NOOP("ChordAnswers", "IV (or iv)"),
    QT_TRANSLATE_NOOP("ChordAnswers", "V  (or v)"),
    QT_TRANSLATE_NOOP("ChordAnswers", "German"),
    QT_TRANSLATE_NOOP("ChordAnswers", "French"),
    QT_TRANSLATE_NOOP("ChordAnswers", "Italian"),
};
constexpr char kKeyContext[] = "KeyAnswers";
constexpr std::array kKeyWords{
    QT_TRANSLATE_NOOP("KeyAnswers", "major :"),
    QT_TRANSLATE_NOOP("KeyAnswers", "minor :"),
};
constexpr char kIntervalContext[] = "IntervalAnswers";
constexpr std::array kIntervalWords{
    QT_TRANSLATE_NOOP("IntervalAnswers", "Unison : "),  QT_TRANSLATE_NOOP("IntervalAnswers", "Second :"),
    QT_TRANSLATE_NOOP("IntervalAnswers", "Third :"),    QT_TRANSLATE_NOOP("IntervalAnswers", "Fourth :"),
    QT_TRANSLATE_NOOP("IntervalAnswers", "Fifth :"),    QT_TRANSLATE_NOOP("IntervalAnswers", "Sixth :"),
    QT_TRANSLATE_NOOP("IntervalAnswers", "Seventh :"),  QT_TRANSLATE_NOOP("IntervalAnswers", "Octave :"),
    QT_TRANSLATE_NOOP("IntervalAnswers", "perfect"),    QT_TRANSLATE_NOOP("IntervalAnswers", "minor"),
    QT_TRANSLATE_NOOP("IntervalAnswers", "major"),      QT_TRANSLATE_NOOP("IntervalAnswers", "augmented"),
    QT_TRANSLATE_NOOP("IntervalAnswers", "diminished"),
};
constexpr char kQualityContext[] = "ChordQualityAnswers";
constexpr std::array kQualityWords{
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "Triad :"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "Seventh :"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "diminished"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "minor"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "major"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "augmented"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "half-diminished"),
    QT_TRANSLATE_NOOP("ChordQualityAnswers", "dominant (major-minor)"),
};
constexpr char kInversionContext[] = "InversionAnswers";
constexpr std::array kInversionWords{
    QT_TRANSLATE_NOOP("InversionAnswers", "(root position)"),
    QT_TRANSLATE_NOOP("InversionAnswers", "(1st inversion)"),
    QT_TRANSLATE_NOOP("InversionAnswers", "(2nd inversion)"),
    QT_TRANSLATE_NOOP("InversionAnswers", "(3rd inversion)"),
    QT_TRANSLATE_NOOP("InversionAnswers", "(inversion)"),
};

// A recorded caption has lost the padding some captions have in their menu ("V  (or v)").
QString translated(const char* context, std::span<const char* const> words, std::string_view caption) {
    const QString wanted = text(caption).simplified();
    const auto word = std::find_if(words.begin(), words.end(), [&wanted](const char* source) {
        return QString::fromUtf8(source).simplified() == wanted;
    });
    return word == words.end() ? text(caption) : QCoreApplication::translate(context, *word);
}

} // namespace

QString shownCaption(ChoiceMenu menu, std::string_view caption) {
    switch (menu) {
    case ChoiceMenu::Chords:
        return translated(kChordContext, kChordWords, caption);
    case ChoiceMenu::KeySignatures:
        return translated(kKeyContext, kKeyWords, caption);
    case ChoiceMenu::Intervals:
        return translated(kIntervalContext, kIntervalWords, caption);
    case ChoiceMenu::ChordQualities:
        return translated(kQualityContext, kQualityWords, caption);
    case ChoiceMenu::None:
        break;
    }
    return text(caption);
}

// "B-flat" as the note names in use write the key's tonic, lower case for a minor key as
// the menu writes minor keys: "b-flat", "b", "si♭".
QString shownTonic(std::string_view caption, bool minor) {
    const std::optional<ReadPitch> tonic = readPitch(caption);
    if (!tonic)
        return text(caption);
    QString name = QString::fromStdString(shownNoteName({tonic->pitch.letter(), tonic->pitch.alter, false}));
    if (minor && !name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

QString shownInversion(std::string_view label) {
    return translated(kInversionContext, kInversionWords, label);
}

QString shownMenuAnswer(ChoiceMenu menu, const QString& recorded) {
    const QString separator = QStringLiteral(" / ");
    const QStringList parts = recorded.split(separator);
    QStringList shown;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::string part = parts[i].toStdString();
        const QString caption = menu == ChoiceMenu::KeySignatures && i == 1
                                    ? shownTonic(part, parts[0].simplified() == text(mnukeymode[1]))
                                    : shownCaption(menu, part);
        shown << (caption == parts[i] ? shownInversion(part) : caption);
    }
    return shown.join(separator);
}

} // namespace tonalyst
