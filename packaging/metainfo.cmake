# Writes the AppStream metadata with the screenshot's size read from the drawn PNG (its IHDR
# chunk holds the width and height as big-endian 32-bit numbers at bytes 16 and 20).
# Arguments: -DIN=<template> -DOUT=<file> -DSCREENSHOT=<png> -DPROJECT_VERSION=... -DFRETWISE_HOMEPAGE=...
file(READ ${SCREENSHOT} header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${header} 0 8 width_hex)
string(SUBSTRING ${header} 8 8 height_hex)
math(EXPR FRETWISE_SCREENSHOT_WIDTH "0x${width_hex}")
math(EXPR FRETWISE_SCREENSHOT_HEIGHT "0x${height_hex}")
configure_file(${IN} ${OUT} @ONLY)
