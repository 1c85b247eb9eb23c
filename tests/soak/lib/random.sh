# The soak's random numbers: a generator of its own, seeded, so that a seed
# gives the same input on any machine and any version of bash (whose
# $RANDOM changed its algorithm between versions): a 32-bit linear
# congruential generator with the constants of Numerical Recipes, of
# which the upper bits are used.
RNG_MULTIPLIER=1664525
RNG_INCREMENT=1013904223
RNG_MODULUS=4294967296
# The low bits of such a generator repeat with short periods: these are
# dropped.
RNG_DROPPED_BITS=8

RNG_STATE=0
# The last number drawn. Drawing sets it instead of printing it: a draw in
# a $(...) would run in a copy of the shell and leave the sequence as it was.
R=0

# rng_seed SEED
rng_seed() {
    RNG_STATE=$(($1 % RNG_MODULUS))
}

# rand N: R is a number from 0 to N - 1.
rand() {
    RNG_STATE=$(((RNG_STATE * RNG_MULTIPLIER + RNG_INCREMENT) % RNG_MODULUS))
    R=$(((RNG_STATE >> RNG_DROPPED_BITS) % $1))
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

# pick WORD...: PICKED is one of the words, each as likely.
pick() {
    rand $#
    local words=("$@")
    PICKED=${words[R]}
}

# pick_weighted WORD:WEIGHT...: PICKED is one of the words, as often as its
# weight says.
pick_weighted() {
    local total=0 entry
    for entry in "$@"; do
        total=$((total + ${entry##*:}))
    done
    rand "$total"
    local at=$R
    for entry in "$@"; do
        at=$((at - ${entry##*:}))
        if [ "$at" -lt 0 ]; then
            PICKED=${entry%:*}
            return 0
        fi
    done
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
