#!/bin/sh
# Synthesises the sample game's sounds with sox into the given folder.
#   synthesize.sh <sox> <mp3 encoder> <output folder>
# MP3 files are encoded by the project's own encoder: Debian's sox cannot
# write MP3.
set -eu
SOX=$1
MP3=$2
OUT=$3
mkdir -p "$OUT/work"
W="$OUT/work"

# One plucked chord of the given notes, two seconds, in stereo.
chord() {
  name=$1; shift
  set -- $(for note in "$@"; do printf 'pluck %s ' "$note"; done)
  "$SOX" -r 44100 -c $(($# / 2)) -n -b 16 -c 2 "$W/$name.wav" synth 2 "$@" remix -m 1-$(($# / 2)) 1-$(($# / 2))
}

# Music: A minor, F, C, G, twice, with some room.
chord am A2 E3 A3 C4 E4
chord f F2 C3 F3 A3 C4
chord c C3 G3 C4 E4 G4
chord g G2 D3 G3 B3 D4
"$SOX" "$W/am.wav" "$W/f.wav" "$W/c.wav" "$W/g.wav" "$OUT/skyward_theme.ogg" repeat 1 reverb 40 gain -n -3

# Effects of the sounds bank, the 3D bank and the pause bank.
# A mono sound; WAV and FLAC files get 16-bit samples (Vorbis has no sample size).
mono() {
  case $1 in
    *.ogg) "$SOX" -n -r 44100 -c 1 "$@" ;;
    *) "$SOX" -n -r 44100 -b 16 -c 1 "$@" ;;
  esac
}
mono "$OUT/shot.wav" synth 0.12 square 1400-300 fade 0 0.12 0.08 gain -6
mono "$OUT/impact.ogg" synth 0.1 pinknoise fade 0 0.1 0.08 lowpass 2500 gain -6
# A rising hum while a shot charges, a chime when it is ready, and the beam's
# loop: whole periods of 110 Hz, so it repeats without a click.
mono "$OUT/charge.wav" synth 1 sawtooth 110-440 gain -9 lowpass 1800 fade 0.05 1 0.05
mono "$OUT/chargeReady.wav" synth 0.3 sine 1760 fade 0 0.3 0.25 gain -6
mono "$OUT/laser.wav" synth 0.5 sawtooth 110 gain -6 tremolo 20 40 lowpass 3000 gain -n -9
mono "$OUT/explosion.flac" synth 0.8 brownnoise fade 0 0.8 0.7 lowpass 900 gain -n -3
mono "$OUT/powerup.ogg" synth 0.4 sine 400-1600 fade 0 0.4 0.1 gain -6
mono "$OUT/engine.wav" synth 1.5 sawtooth 80 lowpass 400 tremolo 8 60 gain -n -6
mono "$OUT/pause.ogg" synth 0.3 sine 660-880 fade 0 0.3 0.1 gain -6
# The ship's hull scraping scenery, and a shot striking the ship.
mono "$OUT/hullScrape.wav" synth 0.3 brownnoise fade 0 0.3 0.2 bandpass 600 300 gain -n -6
mono "$OUT/shipHit.wav" synth 0.25 square 220-55 gain -6 fade 0 0.25 0.2 lowpass 1500 gain -n -6
# An enemy wave warping in, and the boss's alarm: two tones of whole periods
# (220 and 165 in half a second each), so it loops without a click.
mono "$OUT/enemyWarp.wav" synth 0.4 sine 1200-200 fade 0 0.4 0.2 gain -6
mono "$W/alarmHigh.wav" synth 0.5 square 440 gain -12
mono "$W/alarmLow.wav" synth 0.5 square 330 gain -12
"$SOX" "$W/alarmHigh.wav" "$W/alarmLow.wav" "$OUT/bossAlarm.wav" lowpass 2000
# A lock-on gun locking its targets, and all the locks taken: two pure tones
# (C7 and E7) that nothing else of the game plays alone.
mono "$OUT/lock.wav" synth 0.25 sine 2093 fade 0 0.25 0.1 gain -3
mono "$OUT/lockFull.wav" synth 0.4 sine 2637 fade 0 0.4 0.15 gain -3

# Loose files the game names by default.
mono "$OUT/pause.wav" synth 0.25 triangle 988 fade 0 0.25 0.15 gain -6
mono "$OUT/Menu_Click.ogg" synth 0.05 square 2000 fade 0 0.05 0.03 gain -12
mono "$OUT/item.wav" synth 0.2 sine 1320-1760 fade 0 0.2 0.1 gain -6
"$SOX" -r 44100 -c 3 -n -c 1 "$OUT/game_start.ogg" synth 1 pluck C4 pluck E4 pluck G4 remix -m 1-3 gain -n -3
mono "$W/menuBack.wav" synth 0.15 sine 700-350 fade 0 0.15 0.05 gain -6
mono "$W/menuGo.wav" synth 0.15 sine 500-1000 fade 0 0.15 0.05 gain -6
"$MP3" "$W/menuBack.wav" "$OUT/menuBack.mp3"
"$MP3" "$W/menuGo.wav" "$OUT/menuGo.mp3"
rm -r "$W"
