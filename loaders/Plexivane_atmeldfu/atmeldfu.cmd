chip=$(printf '%s' $CHIP$ | tr '[:upper:]' '[:lower:]') && dfu-programmer "$chip" erase --force || exit 1
dfu-programmer "$chip" flash $FILE$ && dfu-programmer "$chip" launch
Only the first two lines above are run. Placeholders are replaced by quoted values: keep them bare.
