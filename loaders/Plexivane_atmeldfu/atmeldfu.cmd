chip=$(printf '%s' "$CHIP$" | tr '[:upper:]' '[:lower:]') && dfu-programmer "$chip" erase --force || exit
dfu-programmer "$chip" flash "$FILE$" && dfu-programmer "$chip" launch
Only the first two lines above are run. A placeholder stands for its value as it is, bare or inside quotes; the script ends with the loader's own status.
