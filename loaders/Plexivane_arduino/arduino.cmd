avrdude -p $CHIP$ -c avr109 -P $PORT$ -b 57600 -D -U flash:w:$FILE$:i
echo "avrdude finished with status $?"
Only the first two lines above are run. Placeholders are replaced by quoted values: keep them bare.
