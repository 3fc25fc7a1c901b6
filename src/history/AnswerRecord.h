#pragma once

#include <QDateTime>
#include <QString>

namespace tonalyst {

// One judged answer as the history keeps it: what was asked, what the student gave and
// what was right. Practice retries and answers given in a review are answers too, each
// its own record. Records imported from a data file carry only what the data file has.
struct AnswerRecord {
    // Unique, made once when the answer is stored; the class server ignores an id it
    // already has, so repeated pushes never double an answer.
    QString answerId;
    QDateTime answeredUtc;
    QString userId;
    // One id per run (from Start to the end of the run).
    QString runId;

    // The data file's own fields, so a report computed from the history gives the
    // figures the data file gives: method "practice" or "test", the activity code (or
    // the mode for key signatures and ear training), the inversions flag ("-1" or "0"),
    // the category caption and the sharps or flats in the key signature.
    QString method;
    QString activity;
    QString inversions;
    QString category;
    int accidentals = 0;

    // What was asked: the key ("E-flat major"; empty where none applies), the chord or
    // interval name and the inversion, and the notes of the question, spelled and
    // blank-separated, lowest first ("Eb4 G4 Bb4").
    QString key;
    QString item;
    QString inversion;
    QString asked;
    // The answer given and the right answer, in the same notation (notes as in asked,
    // or the menu choices joined by " / "), so that for a right answer they are equal.
    QString given;
    QString right;
    // An answer played on a MIDI keyboard: the keys played, as in asked ("C4 E4 G4"),
    // of which given is what Tonalyst read. Empty for an answer chosen or written.
    QString played;

    bool correct = false;
    // 1 for the first answer to a question, 2 for the first retry, and so on.
    int attempt = 1;
    int seconds = 0;

    // True for the answers the data file records (one per question of a run); false for
    // practice retries and review answers, which only the history keeps.
    bool inDataFile = true;
    // True for records brought in from a data file: the summary only, no answers.
    bool imported = false;

    friend bool operator==(const AnswerRecord&, const AnswerRecord&) = default;
};

} // namespace tonalyst
