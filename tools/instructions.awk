# Reads callgrind dumps labelled "section|figure|count" by the benchmarks and prints the
# instructions per call of each figure, and the section's first figure as a multiple of each
# other one (the ratio a target names: the benchmarks dump the figure it is about first).
/^desc: Trigger: Client Request: / {
    sub(/^desc: Trigger: Client Request: /, "")
    split($0, field, "|")
    section = field[1]
    figure = field[2]
    count = field[3]
}
/^summary: / {
    if (!(section in first)) {
        first[section] = $2 / count
        firstName[section] = figure
        printf "\n%s (instructions, callgrind)\n", section
    }
    per = $2 / count
    printf "  %-46s %14d", figure, per
    if (figure != firstName[section])
        printf "   %s / this %.3f", firstName[section], first[section] / per
    printf "\n"
}
