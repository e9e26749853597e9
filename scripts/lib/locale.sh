# The locale Wine runs in. Sourced, not run.

# Wine turns Unix file names into Windows ones through the character set of
# the Unix locale. In the POSIX locale (a minimal system with no LANG) a name
# such as "Café.hfi" has no Windows form, and Wine leaves the file out of what
# it lists and hands over. Where the caller's locale is not UTF-8, the scripts
# run in C.UTF-8, which every Debian has; a UTF-8 locale of the caller stays.
korvex_use_utf8_locale() {
  [[ "$(locale charmap 2>/dev/null)" == UTF-8 ]] && return 0
  export LC_ALL=C.UTF-8
}
