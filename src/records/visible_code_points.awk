# SPDX-License-Identifier: GPL-3.0-or-later
# The code points that a name may hold as themselves, as C++ initialisers
# {first, last}, from the Unicode data of the build machine.
# Usage: awk -v out=FILE -f visible_code_points.awk DerivedCoreProperties.txt UnicodeData.txt
# Left out: what is not assigned (noncharacters included), control, format,
# surrogate and private-use characters, line and paragraph separators, every
# default-ignorable code point (the Hangul fillers among them), and the
# Braille blank, a filler that no property names.

function hex(text,   value, i) {
  value = 0
  for (i = 1; i <= length(text); i++)
    value = value * 16 + index("0123456789ABCDEF", toupper(substr(text, i, 1))) - 1
  return value
}

function trimmed(text) {
  gsub(/^[ \t]+|[ \t]+$/, "", text)
  return text
}

function shown(code) {
  if (code == last + 1) {
    last = code
    return
  }
  if (first >= 0)
    printf "{0x%X, 0x%X},\n", first, last > out
  first = last = code
}

BEGIN { FS = ";"; first = -1; hidden[hex("2800")] = 1 }

FNR == 1 { file++ }

file == 1 {
  if ($0 ~ /^[0-9A-F]/ && trimmed(substr($2, 1, index($2 "#", "#") - 1)) == "Default_Ignorable_Code_Point") {
    split(trimmed($1), range, /\.\./)
    to = 2 in range ? hex(range[2]) : hex(range[1])
    for (code = hex(range[1]); code <= to; code++)
      hidden[code] = 1
  }
  next
}

{
  code = hex($1)
  from = $2 ~ /, Last>$/ ? rangeStart : code
  if ($2 ~ /, First>$/) {
    rangeStart = code
    next
  }
  if ($3 ~ /^(Cc|Cf|Cs|Co|Zl|Zp)$/)
    next
  for (c = from; c <= code; c++)
    if (!(c in hidden))
      shown(c)
}

END {
  if (first >= 0)
    printf "{0x%X, 0x%X},\n", first, last > out
}
