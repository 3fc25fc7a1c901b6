#include "staff/NoteLayout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tonalyst {

namespace {

using staffgeometry::Slot;

// One row of the accidental spreading table. adjacent 0 matches any moved note that has
// no row of its own. choices holds, for notes 1 to 4, 'W' wide, 'N' normal or '-' keep.
struct SpreadRule {
    int mask;
    int adjacent;
    std::string_view choices;
};

constexpr std::array<SpreadRule, 32> kSpreadRules{{
    {2, 2, "-W--"},  {3, 1, "WN--"},  {3, 2, "WW--"},  {4, 3, "--W-"},  {5, 1, "W-N-"},  {5, 2, "N-N-"},
    {5, 3, "W-W-"},  {5, 0, "W-N-"},  {6, 3, "-WW-"},  {7, 1, "WNW-"},  {7, 2, "WWN-"},  {7, 3, "NWW-"},
    {10, 4, "-W-W"}, {10, 3, "-N-N"}, {10, 0, "-W-N"}, {11, 1, "WN-W"}, {11, 2, "WW-N"}, {11, 3, "WN-N"},
    {11, 4, "NW-W"}, {12, 4, "--WW"}, {12, 0, "--WN"}, {13, 1, "W-NW"}, {13, 2, "N-NW"}, {13, 3, "W-WN"},
    {13, 4, "N-WW"}, {14, 4, "-NWW"}, {14, 3, "-WWN"}, {14, 0, "-WNW"}, {15, 1, "WNWN"}, {15, 2, "WWNW"},
    {15, 3, "NWWN"}, {15, 0, "WNWW"},
}};

const SpreadRule* findRule(int mask, int lastMovedNote) {
    const SpreadRule* fallback = nullptr;
    for (const SpreadRule& rule : kSpreadRules) {
        if (rule.mask != mask)
            continue;
        if (rule.adjacent == lastMovedNote)
            return &rule;
        if (rule.adjacent == 0)
            fallback = &rule;
    }
    return fallback;
}

} // namespace

void spreadAccidentals(std::vector<PlacedNote>& notes, int lastMovedNote) {
    int mask = 0;
    for (std::size_t k = 0; k < notes.size(); ++k)
        if (notes[k].note.code > kNoAccidental)
            mask |= 1 << k;
    const SpreadRule* rule = findRule(mask, lastMovedNote);
    if (rule == nullptr)
        return;
    for (std::size_t k = 0; k < notes.size(); ++k) {
        const char choice = rule->choices[k];
        if (choice != '-')
            notes[k].wide = choice == 'W';
    }
}

AccidentalExtent accidentalExtent(int code) {
    static constexpr std::array<AccidentalExtent, kAccidentalCodes> kExtents{{
        {0, 0, 0},
        {107, 144, 144},
        {111, 170, 170},
        {108, 194, 76},
        {128, 64, 64},
        {162, 237, 92},
    }};
    return kExtents.at(static_cast<std::size_t>(code));
}

namespace {

struct Box {
    int left;
    int right;
    int top;
    int bottom;
};

// Signs may interlock a little where one's thin end meets the other's.
constexpr int kVerticalTolerance = 30;
constexpr int kSignGap = 20;

bool collides(const Box& a, const Box& b) {
    return a.left < b.right + kSignGap && b.left < a.right + kSignGap &&
           a.top + kVerticalTolerance < b.bottom && b.top + kVerticalTolerance < a.bottom;
}

Box accidentalBox(const PlacedNote& note, Clef clef) {
    const AccidentalExtent extent = accidentalExtent(note.note.code);
    const int y = staffgeometry::positionY(note.note.position, clef);
    return {note.accidentalRight - extent.width, note.accidentalRight, y - extent.above, y + extent.below};
}

} // namespace

void stackAccidentals(std::vector<PlacedNote>& notes, Clef clef) {
    std::vector<Box> obstacles;
    for (const PlacedNote& note : notes) {
        const int left = staffgeometry::headLeft(note.slot);
        const int y = staffgeometry::positionY(note.note.position, clef);
        obstacles.push_back({left, left + kHeadWidth, y - kHeadHalfHeight, y + kHeadHalfHeight});
    }
    std::vector<PlacedNote*> withSign;
    for (PlacedNote& note : notes)
        if (note.note.code > kNoAccidental)
            withSign.push_back(&note);
    std::stable_sort(withSign.begin(), withSign.end(), [](const PlacedNote* a, const PlacedNote* b) {
        if (a->wide != b->wide)
            return !a->wide;
        return a->note.position > b->note.position;
    });
    for (PlacedNote* note : withSign) {
        note->accidentalRight = staffgeometry::accidentalRight(note->slot);
        for (bool moved = true; moved;) {
            moved = false;
            const Box box = accidentalBox(*note, clef);
            for (const Box& obstacle : obstacles) {
                if (collides(box, obstacle)) {
                    note->accidentalRight = obstacle.left - kSignGap;
                    moved = true;
                    break;
                }
            }
        }
        obstacles.push_back(accidentalBox(*note, clef));
    }
}

std::vector<PlacedNote> layoutNotes(const std::vector<StaffNote>& notes, Clef clef) {
    std::vector<PlacedNote> placed;
    int lastMovedNote = 1;
    for (const StaffNote& note : notes) {
        PlacedNote current{note, Slot::A, false};
        if (!placed.empty()) {
            const PlacedNote& below = placed.back();
            if (note.position - below.note.position < 2) {
                current.slot = below.slot == Slot::B ? Slot::A : Slot::B;
                current.wide = note.code > kNoAccidental;
                lastMovedNote = static_cast<int>(placed.size()) + 1;
            } else {
                current.slot = below.slot;
                current.wide = note.code > kNoAccidental && below.note.code == kNoAccidental;
            }
        }
        placed.push_back(current);
    }
    spreadAccidentals(placed, lastMovedNote);
    stackAccidentals(placed, clef);
    return placed;
}

} // namespace tonalyst
