chip=$(printf '%s' "$CHIP$" | tr '[:upper:]' '[:lower:]') && case $(dfu-programmer --version 2>&1) in *' 0.'[0-6].*) force= launch=start ;; *) force=--force launch=launch ;; esac && dfu-programmer "$chip" erase $force || exit
dfu-programmer "$chip" flash "$FILE$" && dfu-programmer "$chip" $launch
Only the first two lines above are run. A placeholder stands for its value as it is, bare or inside quotes; the script ends with the loader's own status.
dfu-programmer up to 0.6 has no "erase --force" and starts the program with "start"; later ones refuse to erase a blank chip without --force and start it with "launch".
