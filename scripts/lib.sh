# Shared by the project's scripts: install Debian packages and locales only
# when missing.
need_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The root rights apt and the locale tools need, when not root already.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# need_locale es_ES.UTF-8: generates a UTF-8 locale when it is missing.
need_locale() {
    local name=$1
    local language=${name%%.*}
    local compact
    compact=$(printf '%s' "$name" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8$/utf8/')
    locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$compact" && return 0
    need_packages locales
    echo "Generating the locale $name"
    # Listed in locale.gen too, so a later locale-gen keeps it.
    if [ -f /etc/locale.gen ] && ! grep -q "^$name UTF-8" /etc/locale.gen; then
        as_root sed -i "s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
        grep -q "^$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    fi
    as_root localedef -i "$language" -f UTF-8 "$name"
}

# What building the Windows program needs (the windows preset also builds
# its GoogleTest suite from the googletest sources).
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64 googletest)
# What running it under Wine needs: Wine itself, the X libraries and fonts
# it would only recommend, the fonts the program asks for or falls back to
# (Calibri's metric twin Carlito, Symbola for the Wingdings glyphs) and
# xdpyinfo to tell whether an X server answers.
WINE_PACKAGES=(wine wine64 fonts-wine fonts-liberation fonts-symbola fonts-crosextra-carlito
               fonts-dejavu-core libxrandr2 libxrender1 libxi6 libxcursor1 libxcomposite1
               libxinerama1 libxfixes3 x11-utils)
# A virtual X server with input, screenshots and the window tree.
VIRTUAL_SCREEN_PACKAGES=(xvfb xdotool imagemagick x11-utils xserver-xorg-core xserver-xorg-video-dummy
                         x11-xserver-utils)
# The desktop the end-to-end scenarios and the soak run on: a window manager
# and a compositor, and Python for the root window's helper
# (tests/e2e/lib/x-root).
DESKTOP_PACKAGES=(openbox xcompmgr python3)
