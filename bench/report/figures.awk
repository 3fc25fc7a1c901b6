# The report's tallies for one user, period and method, in one pass over a data file whose
# texts hold no commas. Prints one line per column in the order the benchmark compares.
#   awk -F, -v user=AB -v start=1998-05-06 -v end=1998-05-12 -v method= -f figures.awk FILE
BEGIN {
    split("Triad :|Seventh :|V7 of|vii-dim7 of|Augmented 6 :|Flat-II (Neapolitan)", caption, "|")
    for (k = 1; k <= 6; k++) row[caption[k]] = k
}
{
    sub(/\r$/, "", $9)
    records++
    gsub(/"/, "", $1); gsub(/#/, "", $2); gsub(/"/, "", $3); gsub(/"/, "", $4); gsub(/"/, "", $5); gsub(/"/, "", $6)
    if ($1 != user || $2 < start || $2 > end) next
    if (method != "" && $3 != method) next
    ok = ($8 == 1)
    if ($4 == "intid" || $4 == "intspell" || ($4 == "eartraining" && $6 == "interval")) {
        if ($4 == "intid") iid++; else if ($4 == "intspell") ispell++; else iear++
        isucc += ok; isec += $7
    } else if ($4 == "keysigid") {
        katt++; ksucc += ok; ksec += $7
    }
    if ($4 == "intid" || $4 == "intspell") next
    k = row[$6]
    if (!k) next
    att[k]++
    if ($4 == "spell") sp[k]++; else if ($4 == "identify") id[k]++; else if ($4 == "eartraining") ear[k]++
    if ($5 == "0") inv[k]++
    succ[k] += ok; sec[k] += $7; acc[k] += $9
}
END {
    for (k = 1; k <= 6; k++)
        printf "%d %d %d %d %d %d %d %d\n", att[k], sp[k], id[k], ear[k], inv[k], succ[k], sec[k], acc[k]
    printf "%d %d %d %d %d\n", iid, ispell, iear, isucc, isec
    printf "%d %d %d\n", katt, ksucc, ksec
    printf "%d\n", records
}
