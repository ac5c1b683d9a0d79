# Reads the callgrind dumps of bench_paint (one per control, state and variant) and prints the
# instructions per paint with the ratios the targets name.
/^desc: Trigger: Client Request: / {
    sub(/^desc: Trigger: Client Request: /, "")
    split($0, field, "|")
    key = field[1] "|" field[2]
    variant = field[3]
    paints = field[4]
    if (!(key in seen)) { seen[key] = 1; order[++n] = key }
}
/^summary: / { ir[key, variant] = $2 / paints }
END {
    printf "  %-26s %10s %10s %10s %10s %8s %8s\n", "control, state", "skinned", "sheet",
        "Fusion", "empty", "/sheet", "/Fusion"
    for (i = 1; i <= n; ++i) {
        k = order[i]
        s = ir[k, "skinned"]; q = ir[k, "style sheet"]; f = ir[k, "Fusion"]; e = ir[k, "empty widget"]
        rq = q > 0 ? s / q : 0; rf = f > 0 ? s / f : 0
        split(k, parts, "|")
        # Text-heavy controls pay Qt's glyph drawing as the style-sheet widget does.
        target = parts[1] ~ /^(check box|radio button|line edit|combo box)$/ ? 0.5 : 0.4
        printf "  %-26s %10d %10d %10d %10d %8.3f %8.3f  %s %s\n", parts[1] ", " parts[2], s, q,
            f, e, rq, rf, (rq <= target ? "met" : "MISSED"), (rf <= 1.0 ? "met" : "MISSED")
    }
}
