chip=$(printf '%s' $CHIP$ | tr '[:upper:]' '[:lower:]') || exit 1
teensy_loader_cli --mcu="$chip" -w -v $FILE$
Only the first two lines above are run. Placeholders are replaced by quoted values: keep them bare.
