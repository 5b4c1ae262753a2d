chip=$(printf '%s' "$CHIP$" | tr '[:upper:]' '[:lower:]') || exit
teensy_loader_cli --mcu="$chip" -w -v "$FILE$"
Only the first two lines above are run. A placeholder stands for its value as it is, bare or inside quotes; the script ends with the loader's own status.
