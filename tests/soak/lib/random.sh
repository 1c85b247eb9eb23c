# The soak's random numbers: a generator of its own, seeded, so that a seed
# gives the same input on any machine and any version of bash (whose
# $RANDOM changed its algorithm between versions): a 32-bit linear
# congruential generator with the constants of Numerical Recipes, of which
# the upper bits are used (its low bits repeat with short periods).
RNG_STATE=0
# The last number drawn. Drawing sets it instead of printing it: a draw in
# a $(...) would run in a copy of the shell and leave the sequence as it was.
R=0

rng_seed() {
    RNG_STATE=$(($1 % 4294967296))
}

# rand N: R is a number from 0 to N - 1.
rand() {
    RNG_STATE=$(((RNG_STATE * 1664525 + 1013904223) % 4294967296))
    R=$(((RNG_STATE >> 8) % $1))
}

# rand_between LOW HIGH: R is a number from LOW to HIGH.
rand_between() {
    rand $(($2 - $1 + 1))
    R=$((R + $1))
}

# chance PERCENT: succeeds that often.
chance() {
    rand 100
    [ "$R" -lt "$1" ]
}

# pick WORD...: PICKED is one of the words, each as likely (a word given
# twice, twice as likely).
pick() {
    local words=("$@")
    rand $#
    PICKED=${words[R]}
}

# random_text LENGTH ALPHABET: TEXT is LENGTH characters drawn from ALPHABET.
random_text() {
    local i
    TEXT=""
    for ((i = 0; i < $1; i++)); do
        rand ${#2}
        TEXT+=${2:R:1}
    done
}
