#pragma once

#include "theory/HeardInKey.h"
#include "theory/KeySettings.h"
#include "theory/RandomSource.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyst {

// "D major", "F-sharp minor": the key as the history and worksheets name it (data, English).
std::string keyLabel(const TonalKey& key);
// "D major", "F-sharp minor", "fis-Moll", "si♭ mineur": the key as the student reads it,
// in the note naming and language chosen.
std::string shownKeyLabel(const TonalKey& key);
// Reads keyLabel's text back, and the short forms "D", "f#", "Bb minor".
std::optional<TonalKey> readKeyLabel(std::string_view text);

// The keys Key Settings enables, in the options' modes and with at most their number
// of sharps or flats; empty when none is left.
std::vector<TonalKey> inKeyKeys(const KeySettings& keys, const InKeyCommon& common);

// The key-setting cadence, I-IV-V-I or i-iv-V-i, in four parts.
std::vector<Sonority> keyCadence(const TonalKey& key);

// The four question makers. Each fills key, cadence, played, resolution and answer.
HeardInKey makeScaleDegreeQuestion(const TonalKey& key, const ScaleDegreeOptions& options,
                                   RandomSource& random);
HeardInKey makeChordFunctionQuestion(const TonalKey& key, const ChordFunctionOptions& options,
                                     RandomSource& random);
HeardInKey makeProgressionQuestion(const TonalKey& key, const ProgressionOptions& options,
                                   RandomSource& random);
HeardInKey makeCadenceQuestion(const TonalKey& key, const CadenceOptions& options, RandomSource& random);

// The names the answer buttons offer, in the order they are laid out.
std::vector<std::string> scaleDegreeChoices(bool minor, const ScaleDegreeOptions& options);
std::vector<std::string> chordFunctionChoices(bool minor, const ChordFunctionOptions& options);
std::vector<std::string> progressionChoices(bool minor, const ProgressionOptions& options);
std::vector<std::string> cadenceChoices(bool minor, const CadenceOptions& options);

// A typed name in its canonical form: "b6", "#4", "b5" (the same note as ♯4), "6" and
// movable-do syllables for degrees; "bVI", "viio7", "vii07", "V65", "V6/5", "V7/V",
// "N6" for numerals. Nothing when the text names none.
std::optional<std::string> readScaleDegree(std::string_view typed);
// The same in one mode, with syllables read as shownDegree shows them there: "me" is 3
// in a do-based minor, "do" is 3 in a la-based one.
std::optional<std::string> readScaleDegree(std::string_view typed, bool minor,
                                           const ScaleDegreeOptions& options);
std::optional<std::string> readRomanNumeral(std::string_view typed);

// The degree sounding this many semitones (0 to 11) above the tonic, by its canonical
// name; nothing for the minor's major third, which has none.
std::optional<std::string> scaleDegreeAt(bool minor, int semitones);

// A degree as shown to the student: the number, or its movable-do syllable ("do",
// "ra", "fi"; "la" for 1 in a la-based minor).
std::string shownDegree(std::string_view degree, bool minor, const ScaleDegreeOptions& options);

// The chord a numeral names in the key, lowest first from the bass the figures give,
// close position above it; nothing for a name it does not know.
std::optional<Sonority> chordOfNumeral(const TonalKey& key, std::string_view numeral);

} // namespace tonalyst
