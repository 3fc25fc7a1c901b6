#include "worksheet/WorksheetOptions.h"

#include "activities/PaperText.h"
#include "theory/Translate.h"

#include <algorithm>
#include <sstream>

// The worksheet command's help text, kept apart from the parsing it describes.

namespace tonalyst {

namespace {

// Help lines are at most this long, in characters; a paragraph's text starts at kHelpColumn.
constexpr std::size_t kHelpWidth = 85;
constexpr std::size_t kHelpColumn = 21;

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The option's head, padded to the text column, then its text filled word by word into
// lines that keep to the width.
std::string helpParagraph(const std::string& head, const std::string& text) {
    std::string paragraph =
        head + std::string(kHelpColumn - std::min(kHelpColumn - 1, characters(head)), ' ');
    std::size_t lineStart = 0;
    bool lineEmpty = true;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (!lineEmpty && characters(paragraph.substr(lineStart)) + 1 + characters(word) > kHelpWidth) {
            paragraph += "\n";
            lineStart = paragraph.size();
            paragraph += std::string(kHelpColumn, ' ');
            lineEmpty = true;
        }
        paragraph += (lineEmpty ? "" : " ") + word;
        lineEmpty = false;
    }
    return paragraph;
}

// The activities by name, those heard in a key apart, in the order of the Activity menu.
std::string activityHelp() {
    std::string onStaves;
    std::string heard;
    for (const Activity* activity : allActivities()) {
        std::string& list = isHeardInKey(activity) ? heard : onStaves;
        list += (list.empty() ? "" : ", ") + std::string(activity->names().worksheetName);
    }
    return paper::filled(
        translate("WorksheetUsage", "what to ask (default %1): %2; heard in a key: %3 (see below)"),
        {std::string(startingActivity().names().worksheetName), onStaves, heard});
}

} // namespace

std::string worksheetUsage() {
    std::string inKey;
    for (const Activity* activity : allActivities())
        if (const std::string help = activity->worksheetOptionsHelp(); !help.empty())
            inKey += (inKey.empty() ? "" : "\n") +
                     helpParagraph("  " + std::string(activity->names().worksheetName) + ":", help);
    return paper::filled(translate("WorksheetUsage", R"(Usage: tonalyst worksheet [options]

Prints a worksheet of drill questions with an answer key at the end.

%1
  --count N          number of questions, 1 to 100000 (default 10)
  --seed S           the same seed gives the same questions (default: a fresh seed)
  --keys LIST        key boxes to draw from, comma-separated: a pair such as C/a,
                     E-flat/c, F-sharp/d-sharp, or either key of a pair (B-flat, g);
                     or all. Default: the key settings' defaults.
  --mode major|minor|both   which keys of the boxes are asked (default both)
  --chords LIST      chord boxes, comma-separated, each group:index or a whole group:
                       triad:0..6     I, ii, iii, IV, V, vi, vii-dim
                       seventh:0..5   ii7, iii7, IV-maj7, V7, vi7, vii-half-dim7
                       vof:0..6       V7 of Flat-II, ii, iii, IV, V, vi, VII (minor only)
                       viiof:0..5     vii-dim7 of ii, iii, IV, V, vi, VII (minor only)
                       aug6:0..2      Italian, French, German
                       flat2          the Neapolitan
                     e.g. triad:0,triad:4,seventh:3,vof:4,aug6:2,flat2; or all.
                     Default: the seven triads.
  --mixture LIST     triads, sevenths or triads,sevenths: borrowed chords on
  --inversions off|basic|figured   random inversions and their labels (default off)
  --intervals common|advanced   which intervals are asked (default common); ear
                     training asks common intervals only
  --interval-notes keys|all   lower notes from the chosen major keys, or any C to A
                     with a flat, natural or sharp (default keys); all precludes
                     advanced intervals
  --ear-chords triads|sevenths|both   chords of chord ear training (default triads)
  --json             one JSON object per question and line instead of the worksheet
  --pdf FILE         write the worksheet as a PDF to print: each question with its
                     staff, several to a page, the answer key on the last page
  --paper a4|letter  the PDF's paper size (default a4)
  --clef treble|bass|random   the clef of the PDF's staves (default random)
  --key-display written|symbolic|both   how identification questions of the PDF
                     show the key: in words, as a signature on the staff, or both
                     (default written)
  --favor-weak-spots --user ID [--data-dir DIR]   draw more of what the student
                     ID answered wrong lately, as Favor Weak Spots does in practice,
                     from the answer history in DIR (default: the per-user data
                     folder); still only among the keys and chords chosen
  --help             this text

Questions heard in a key (a cadence sets the key, then the notes or chords play):
  --mode major|minor|both   the keys' modes (default major)
  --accidentals N    keys with at most N sharps or flats, 0 to 7 (default 2, or any
                     number when --keys names the keys)
  --tempo N          quarter notes per minute, 40 to 160 (default 80): chords last a
                     half note, single notes a quarter
  --midi DIR         write each question as a MIDI file, DIR/question-01.mid and on
                     (the cadence, a beat's rest, the question), and the answer key as
                     DIR/answers.txt, instead of the worksheet; DIR is made if missing
%2
Options of the other activities (--chords, --inversions, --pdf, ...) are refused with
these, and theirs with the others.

Key and chord boxes and interval choices are checked as the settings dialogs
check them; a refused selection, like any bad option, ends with exit status 2.

A --json line of a question heard in a key holds "activity", "key" ("D major"),
"mode", "cadence" and "played" (each chord a list of notes such as "F#4", lowest
first) and "answer" (the names in order: "3", "♭6", "V65/V", "half").

Interval and ear-training lines of --json also carry "interval" (its "name" and
"quality" captions, or null for chords) and "direction" ("above": note 1 is given
and the notes sound upwards; "below": note 2 is given and they sound downwards).
)"),
                         {helpParagraph("  --activity A", activityHelp()), inKey});
}

} // namespace tonalyst
