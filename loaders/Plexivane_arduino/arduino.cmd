avrdude -p "$CHIP$" -c avr109 -P "$PORT$" -b 57600 -D -U flash:w:"$FILE$":i

Only the first two lines above are run. A placeholder stands for its value as it is, bare or inside quotes; the script ends with the loader's own status.
