#include "worksheet/WorksheetOptions.h"

#include "theory/Translate.h"

// The worksheet command's help text, kept apart from the parsing it describes.

namespace tonalyst {

std::string worksheetUsage() {
    return translate("WorksheetUsage", R"(Usage: tonalyst worksheet [options]

Prints a worksheet of drill questions with an answer key at the end.

  --activity A       what to ask (default chord-spell): keysig, chord-spell,
                     chord-id, interval-spell, interval-id, chord-ear, interval-ear;
                     heard in a key: scale-degrees, chord-functions, progressions,
                     cadences (see below)
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
  scale-degrees:     --chromatic (chromatic degrees too), --group N (1 to 4 notes a
                     question, default 1), --solfege (answer key in movable do),
                     --la-minor (with --solfege: la-based minor)
  chord-functions:   --sevenths, --inverted (inversions, named by figures), --applied
                     (V/x and vii°/x), --borrowed (♭III, ♭VI, ♭VII, iv in major),
                     --neapolitan (N6)
  progressions:      --sevenths, --inverted, --length N or MIN-MAX (chords, 3 to 6,
                     default 3-4)
  cadences:          --plain-authentic (authentic cadences not named perfect or
                     imperfect), --no-phrygian (no Phrygian half cadence in minor)
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
)");
}

} // namespace tonalyst
