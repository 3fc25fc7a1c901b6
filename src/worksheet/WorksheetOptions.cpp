#include "worksheet/WorksheetOptions.h"

#include "activities/PaperText.h"
#include "theory/Key.h"
#include "theory/KeyTables.h"
#include "theory/Translate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <span>

namespace tonalyst {

namespace {

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

template <typename T> std::optional<T> parseNumber(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end)
        return std::nullopt;
    return value;
}

// Ticks the key box whose pair ("E-flat/c") or one of whose keys is named.
bool tickKeyBox(KeyBoxes& boxes, const std::string& token) {
    const auto matches = [&](const Tonic& major, const Tonic& minor) {
        const std::string majorName = keyName(major.letter, major.accidental, KeyMode::Major);
        const std::string minorName = keyName(minor.letter, minor.accidental, KeyMode::Minor);
        return token == majorName + "/" + minorName || token == majorName || token == minorName;
    };
    for (std::size_t i = 0; i < boxes.sharp.size(); ++i)
        if (matches(kMajorSharpKeys[i], kMinorSharpKeys[i]))
            return boxes.sharp[i] = true;
    for (std::size_t i = 0; i < boxes.flat.size(); ++i)
        if (matches(kMajorFlatKeys[i], kMinorFlatKeys[i]))
            return boxes.flat[i] = true;
    return false;
}

template <std::size_t N> bool tickGroup(std::array<bool, N>& group, const std::string& index) {
    if (index.empty()) {
        group.fill(true);
        return true;
    }
    const std::optional<int> i = parseNumber<int>(index);
    if (!i || *i < 0 || *i >= static_cast<int>(N))
        return false;
    group[static_cast<std::size_t>(*i)] = true;
    return true;
}

// "triad:4" ticks one box of a group, "triad" the whole group.
bool tickChordBox(ChordBoxes& boxes, const std::string& token) {
    const std::size_t colon = token.find(':');
    const std::string group = token.substr(0, colon);
    const std::string index = colon == std::string::npos ? std::string{} : token.substr(colon + 1);
    if (colon != std::string::npos && index.empty())
        return false;
    if (group == "triad")
        return tickGroup(boxes.triads, index);
    if (group == "seventh")
        return tickGroup(boxes.sevenths, index);
    if (group == "vof")
        return tickGroup(boxes.appliedDominants, index);
    if (group == "viiof")
        return tickGroup(boxes.appliedLeadingTones, index);
    if (group == "aug6")
        return tickGroup(boxes.augmentedSixths, index);
    if (group == "flat2" && index.empty())
        return boxes.neapolitan = true;
    return false;
}

std::string chordRefusalText(ChordRefusal refusal) {
    switch (refusal) {
    case ChordRefusal::NothingTicked:
        return translate("WorksheetOptions", "You must select at least one chord");
    case ChordRefusal::AppliedDominantVIIOnly:
        return translate(
            "WorksheetOptions",
            "Can apply to VII only in minor.You must make at least one more selection from the applied "
            "dominant list.");
    case ChordRefusal::AppliedLeadingToneVIIOnly:
        return translate(
            "WorksheetOptions",
            "Can apply to VII only in minor.You must make at least one more selection from the applied "
            "leading tone  list.");
    case ChordRefusal::None:
        break;
    }
    return {};
}

struct RawOptions {
    std::optional<std::string> keys, mode, chords, mixture, intervals, intervalNotes, earChords, paper;
    std::optional<int> accidentals;
    // Every option given, to check it goes with the activity.
    std::vector<std::string> given;
};

bool takesOption(const Activity* activity, std::string_view option) {
    const std::vector<std::string_view> options = activity->worksheetOptions();
    return std::find(options.begin(), options.end(), option) != options.end();
}

// An option some activity takes goes with those that take it alone; the rest go with every one.
bool checkScopes(const RawOptions& raw, const Activity* activity, std::string& error) {
    for (const std::string& option : raw.given) {
        if (takesOption(activity, option))
            continue;
        const std::span<const Activity* const> all = allActivities();
        if (std::any_of(all.begin(), all.end(),
                        [&](const Activity* other) { return takesOption(other, option); })) {
            error = paper::filled(translate("WorksheetOptions", "%1 does not go with --activity %2"),
                                  {option, std::string(activity->names().worksheetName)});
            return false;
        }
    }
    return true;
}

// "--activity must be keysig, ... or cadences", in the order of the Activity menu.
std::string unknownActivityText() {
    std::string listed;
    const std::span<const Activity* const> all = allActivities();
    for (std::size_t i = 0; i + 1 < all.size(); ++i)
        listed += (i == 0 ? "" : ", ") + std::string(all[i]->names().worksheetName);
    return paper::filled(translate("WorksheetOptions", "--activity must be %1 or %2"),
                         {listed, std::string(all.back()->names().worksheetName)});
}

// The options of the activities heard in a key that stand alone.
bool applyInKeyFlag(const std::string& name, InKeySettings& inKey) {
    if (name == "--chromatic")
        inKey.degrees.chromatic = true;
    else if (name == "--solfege")
        inKey.degrees.solfege = true;
    else if (name == "--la-minor")
        inKey.degrees.laBasedMinor = true;
    else if (name == "--sevenths")
        inKey.functions.sevenths = inKey.progressions.sevenths = true;
    else if (name == "--inverted")
        inKey.functions.inversions = inKey.progressions.inversions = true;
    else if (name == "--applied")
        inKey.functions.applied = true;
    else if (name == "--borrowed")
        inKey.functions.mixture = true;
    else if (name == "--neapolitan")
        inKey.functions.neapolitan = true;
    else if (name == "--plain-authentic")
        inKey.cadences.perfectImperfect = false;
    else if (name == "--no-phrygian")
        inKey.cadences.phrygian = false;
    else
        return false;
    return true;
}

// "3-5" or "4": the fewest and most chords of a progression, each 3 to 6.
bool applyLength(const std::string& value, ProgressionOptions& options) {
    const std::size_t dash = value.find('-');
    const std::optional<int> least = parseNumber<int>(value.substr(0, dash));
    const std::optional<int> most =
        dash == std::string::npos ? least : parseNumber<int>(value.substr(dash + 1));
    if (!least || !most || *least < 3 || *most > 6 || *least > *most)
        return false;
    options.minChords = *least;
    options.maxChords = *most;
    return true;
}

// What the four activities heard in a key share: the keys' mode and signatures, the tempo.
bool applyInKeyCommon(const RawOptions& raw, InKeySettings& inKey, std::string& error) {
    InKeyCommon common = inKey.degrees.common;
    if (raw.mode)
        common.mode = *raw.mode == "major"   ? InKeyMode::Major
                      : *raw.mode == "minor" ? InKeyMode::Minor
                                             : InKeyMode::Both;
    // Keys named on the command line are asked whatever their signature, unless told otherwise.
    common.maxAccidentals = raw.accidentals.value_or(raw.keys ? 7 : common.maxAccidentals);
    if (inKey.degrees.laBasedMinor && !inKey.degrees.solfege) {
        error = translate("WorksheetOptions", "--la-minor goes with --solfege");
        return false;
    }
    inKey.degrees.common = inKey.functions.common = inKey.progressions.common = inKey.cadences.common =
        common;
    return true;
}

bool applyIntervalChoices(const RawOptions& raw, WorksheetOptions& options, std::string& error) {
    QuestionSettings& settings = options.settings;
    if (raw.intervals) {
        if (*raw.intervals == "common")
            settings.intervalType = IntervalType::Common;
        else if (*raw.intervals == "advanced")
            settings.intervalType = IntervalType::Advanced;
        else
            error = translate("WorksheetOptions", "--intervals must be common or advanced");
    }
    if (raw.intervalNotes) {
        if (*raw.intervalNotes == "keys")
            settings.intervalNotes = IntervalNotes::ChosenKeys;
        else if (*raw.intervalNotes == "all")
            settings.intervalNotes = IntervalNotes::AllNotes;
        else
            error = translate("WorksheetOptions", "--interval-notes must be keys or all");
    }
    if (raw.earChords) {
        if (*raw.earChords == "triads")
            settings.earTrainingChords = EarTrainingChords::Triads;
        else if (*raw.earChords == "sevenths")
            settings.earTrainingChords = EarTrainingChords::Sevenths;
        else if (*raw.earChords == "both")
            settings.earTrainingChords = EarTrainingChords::Both;
        else
            error = translate("WorksheetOptions", "--ear-chords must be triads, sevenths or both");
    }
    if (!error.empty())
        return false;
    if (settings.intervalType == IntervalType::Advanced && options.activity->earTraining())
        error = translate("WorksheetOptions", "Option not allowed for ear training");
    else if (settings.intervalType == IntervalType::Advanced &&
             settings.intervalNotes == IntervalNotes::AllNotes)
        error = translate("WorksheetOptions", "--intervals advanced precludes --interval-notes all");
    return error.empty();
}

bool applyKeys(const RawOptions& raw, WorksheetOptions& options, std::string& error) {
    KeyBoxes boxes;
    if (raw.keys) {
        const bool all = *raw.keys == "all";
        boxes.sharp.fill(all);
        boxes.flat.fill(all);
        for (const std::string& token : all ? std::vector<std::string>{} : splitList(*raw.keys)) {
            if (!tickKeyBox(boxes, token)) {
                error =
                    paper::filled(translate("WorksheetOptions", "unknown key box '%1' in --keys"), {token});
                return false;
            }
        }
    }
    if (raw.mode) {
        if (*raw.mode == "major")
            boxes.mode = KeyMode::Major;
        else if (*raw.mode == "minor")
            boxes.mode = KeyMode::Minor;
        else if (*raw.mode == "both")
            boxes.mode = KeyMode::MajorMinor;
        else {
            error = translate("WorksheetOptions", "--mode must be major, minor or both");
            return false;
        }
    }
    if (!options.settings.keys.accept(boxes)) {
        error = translate("WorksheetOptions", "You must select at least one key");
        return false;
    }
    return true;
}

bool applyChords(const RawOptions& raw, WorksheetOptions& options, std::string& error) {
    ChordBoxes boxes;
    if (raw.chords) {
        const bool all = *raw.chords == "all";
        boxes.triads.fill(all);
        boxes.sevenths.fill(all);
        boxes.appliedDominants.fill(all);
        boxes.appliedLeadingTones.fill(all);
        boxes.augmentedSixths.fill(all);
        boxes.neapolitan = all;
        for (const std::string& token : all ? std::vector<std::string>{} : splitList(*raw.chords)) {
            if (!tickChordBox(boxes, token)) {
                error = paper::filled(translate("WorksheetOptions", "unknown chord box '%1' in --chords"),
                                      {token});
                return false;
            }
        }
    }
    if (raw.mixture) {
        for (const std::string& token : splitList(*raw.mixture)) {
            if (token == "triads")
                boxes.triadMixture = true;
            else if (token == "sevenths")
                boxes.seventhMixture = true;
            else {
                error = translate("WorksheetOptions",
                                  "--mixture takes triads, sevenths or both, comma-separated");
                return false;
            }
        }
    }
    const ChordRefusal refusal = options.settings.chords.accept(boxes);
    if (refusal != ChordRefusal::None) {
        error = chordRefusalText(refusal);
        return false;
    }
    return true;
}

bool applyValue(const std::string& name, const std::string& value, WorksheetOptions& options, RawOptions& raw,
                std::string& error) {
    if (name == "--activity") {
        if (const Activity* activity = activityByWorksheetName(value))
            options.activity = activity;
        else
            error = unknownActivityText();
    } else if (name == "--count") {
        const std::optional<int> count = parseNumber<int>(value);
        if (count && *count >= 1 && *count <= 100000)
            options.count = *count;
        else
            error = translate("WorksheetOptions", "--count must be a whole number from 1 to 100000");
    } else if (name == "--seed") {
        const std::optional<std::uint32_t> seed = parseNumber<std::uint32_t>(value);
        if (seed)
            options.seed = *seed;
        else
            error = translate("WorksheetOptions", "--seed must be a whole number from 0 to 4294967295");
    } else if (name == "--inversions") {
        if (value == "off")
            options.settings.inversions = InversionOption::Off;
        else if (value == "basic")
            options.settings.inversions = InversionOption::Basic;
        else if (value == "figured")
            options.settings.inversions = InversionOption::FiguredBass;
        else
            error = translate("WorksheetOptions", "--inversions must be off, basic or figured");
    } else if (name == "--tempo") {
        const std::optional<int> tempo = parseNumber<int>(value);
        if (tempo && *tempo >= 40 && *tempo <= 160)
            options.settings.inKey.degrees.common.tempo = *tempo;
        else
            error = translate("WorksheetOptions", "--tempo must be a whole number from 40 to 160");
    } else if (name == "--accidentals") {
        raw.accidentals = parseNumber<int>(value);
        if (!raw.accidentals || *raw.accidentals < 0 || *raw.accidentals > 7)
            error = translate("WorksheetOptions", "--accidentals must be a whole number from 0 to 7");
    } else if (name == "--group") {
        const std::optional<int> group = parseNumber<int>(value);
        if (group && *group >= 1 && *group <= 4)
            options.settings.inKey.degrees.groupSize = *group;
        else
            error = translate("WorksheetOptions", "--group must be a whole number from 1 to 4");
    } else if (name == "--length") {
        if (!applyLength(value, options.settings.inKey.progressions))
            error = translate("WorksheetOptions",
                              "--length must be a number of chords from 3 to 6, or two such as 3-5");
    } else if (name == "--midi") {
        if (value.empty())
            error = translate("WorksheetOptions", "--midi needs a folder");
        else
            options.midi = value;
    } else if (name == "--keys") {
        raw.keys = value;
    } else if (name == "--mode") {
        raw.mode = value;
    } else if (name == "--chords") {
        raw.chords = value;
    } else if (name == "--mixture") {
        raw.mixture = value;
    } else if (name == "--intervals") {
        raw.intervals = value;
    } else if (name == "--interval-notes") {
        raw.intervalNotes = value;
    } else if (name == "--ear-chords") {
        raw.earChords = value;
    } else if (name == "--pdf") {
        if (value.empty())
            error = translate("WorksheetOptions", "--pdf needs a file name");
        else
            options.pdf = value;
    } else if (name == "--paper") {
        raw.paper = value;
        if (value == "a4")
            options.paper = WorksheetPaper::A4;
        else if (value == "letter")
            options.paper = WorksheetPaper::Letter;
        else
            error = translate("WorksheetOptions", "--paper must be a4 or letter");
    } else if (name == "--user") {
        if (value.empty())
            error = translate("WorksheetOptions", "--user needs a user ID");
        else
            options.user = value;
    } else if (name == "--data-dir") {
        if (value.empty())
            error = translate("WorksheetOptions", "--data-dir needs a folder");
        else
            options.dataDir = value;
    } else if (name == "--clef") {
        if (value == "treble")
            options.settings.clef = ClefChoice::Treble;
        else if (value == "bass")
            options.settings.clef = ClefChoice::Bass;
        else if (value == "random")
            options.settings.clef = ClefChoice::Random;
        else
            error = translate("WorksheetOptions", "--clef must be treble, bass or random");
    } else if (name == "--key-display") {
        KeySigDisplay& display = options.settings.keySigDisplay;
        display = {value == "written", value == "symbolic", value == "both"};
        if (!display.written && !display.symbolic && !display.both)
            error = translate("WorksheetOptions", "--key-display must be written, symbolic or both");
    } else {
        error = paper::filled(translate("WorksheetOptions", "unknown option %1"), {name});
    }
    return error.empty();
}

} // namespace

bool isHeardInKey(const Activity* activity) {
    return activity->inKeyCommon(QuestionSettings{}) != nullptr;
}

std::string_view worksheetActivityCode(const Activity* activity) {
    return activity->names().worksheetName;
}

std::optional<WorksheetOptions> parseWorksheetOptions(const std::vector<std::string>& args,
                                                      std::string& error) {
    WorksheetOptions options;
    RawOptions raw;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--json") {
            options.json = true;
            continue;
        }
        if (name == "--favor-weak-spots") {
            options.favorWeakSpots = true;
            continue;
        }
        if (applyInKeyFlag(name, options.settings.inKey)) {
            raw.given.push_back(name);
            continue;
        }
        std::string value;
        const std::size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = paper::filled(name.rfind("--", 0) == 0
                                      ? translate("WorksheetOptions", "%1 needs a value")
                                      : translate("WorksheetOptions", "unexpected argument %1"),
                                  {name});
            return std::nullopt;
        }
        if (!applyValue(name, value, options, raw, error))
            return std::nullopt;
        raw.given.push_back(name);
    }
    if (!checkScopes(raw, options.activity, error) || !applyKeys(raw, options, error) ||
        !applyChords(raw, options, error) || !applyIntervalChoices(raw, options, error) ||
        !applyInKeyCommon(raw, options.settings.inKey, error))
        return std::nullopt;
    if (raw.paper && !options.pdf) {
        error = translate("WorksheetOptions", "--paper needs --pdf");
        return std::nullopt;
    }
    if (options.pdf && options.json) {
        error = translate("WorksheetOptions", "--pdf and --json cannot be combined");
        return std::nullopt;
    }
    if (options.midi && options.json) {
        error = translate("WorksheetOptions", "--midi and --json cannot be combined");
        return std::nullopt;
    }
    if (options.favorWeakSpots && options.user.empty()) {
        error = translate("WorksheetOptions", "--favor-weak-spots needs --user");
        return std::nullopt;
    }
    if (!options.favorWeakSpots && (!options.user.empty() || !options.dataDir.empty())) {
        error = translate("WorksheetOptions", "--user and --data-dir go with --favor-weak-spots");
        return std::nullopt;
    }
    return options;
}

} // namespace tonalyst
