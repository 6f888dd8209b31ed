#!/usr/bin/env python3
"""Write a dense 60 s drum MIDI file for benchmarks (SMF format 0, 120 bpm, channel 10, 1770 notes). Stdlib only.
With --every-pad the same hits go round the 24 voice pads instead (notes 0..23, one pad after the other),
so that every voice sounds.
Usage: dense_drums.py [--every-pad] OUT.mid"""
import struct, sys

PPQ = 480
BPM = 120
BARS = 30                      # 30 bars of 4/4 at 120 bpm = 60 s
STEP = PPQ // 4                # 16th note = 120 ticks
CH = 9                         # MIDI channel 10
GATE = STEP - 10               # note length a bit under a 16th

# (note, steps within a 16-step bar, base velocity)
PATTERN = [
    (42, range(16), 80),                       # closed hi-hat every 16th
    (36, (0, 3, 6, 8, 10, 14), 115),           # bass drum
    (38, (4, 12), 120), (38, (7, 15), 50),     # snare + ghost notes
    (39, (4, 12), 100),                        # hand clap
    (46, (2, 6, 10, 14), 90),                  # open hi-hat
    (54, range(0, 16, 2), 70),                 # tambourine on 8ths
    (37, (1, 9), 75),                          # side stick
    (49, (0,), 110),                           # crash each bar
]
TOMS = (41, 43, 45, 47, 48, 50)                # one tom on every 16th, cycling

def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append((n & 0x7F) | 0x80)
        n >>= 7
    return bytes(reversed(out))

def hits():
    """Yield (bar, step, note, velocity) for every drum hit."""
    for bar in range(BARS):
        for step in range(16):
            for note, steps, vel in PATTERN:
                if step in steps:
                    yield bar, step, note, max(1, min(127, vel + ((bar * 7 + step * 13 + note) % 21) - 10))
            yield bar, step, TOMS[(bar * 16 + step) % len(TOMS)], 60 + (step * 5) % 40

VOICE_PADS = 24                # notes 0..23 play the voice pads in order

def main():
  args = sys.argv[1:]
  every_pad = '--every-pad' in args
  args = [a for a in args if a != '--every-pad']
  events = []   # (tick, order, bytes) ; order: note-offs before note-ons at same tick
  for n, (bar, step, note, v) in enumerate(hits()):
    if every_pad:
      note = n % VOICE_PADS
    t = (bar * 16 + step) * STEP
    events.append((t, 1, bytes([0x90 | CH, note, v])))
    events.append((t + GATE, 0, bytes([0x80 | CH, note, 0])))
  events.sort(key=lambda e: (e[0], e[1]))

  track = bytearray()
  track += vlq(0) + b'\xFF\x51\x03' + (60_000_000 // BPM).to_bytes(3, 'big')   # tempo
  track += vlq(0) + b'\xFF\x58\x04\x04\x02\x18\x08'                             # 4/4
  track += vlq(0) + bytes([0xC0 | CH, 0])                                        # program 0 (GM standard kit)
  last = 0
  for t, _, data in events:
      track += vlq(t - last) + data
      last = t
  end_tick = BARS * 16 * STEP
  track += vlq(end_tick - last) + b'\xFF\x2F\x00'                                # end of track at 60 s

  out = args[0] if args else 'drums.mid'
  with open(out, 'wb') as f:
      f.write(b'MThd' + struct.pack('>IHHH', 6, 0, 1, PPQ))
      f.write(b'MTrk' + struct.pack('>I', len(track)) + track)
  n_on = sum(1 for e in events if e[1] == 1)
  print(f'{out}: {n_on} notes, {end_tick} ticks, {BARS*4*60/BPM:.1f} s, {n_on/(BARS*4*60/BPM):.1f} notes/s')

if __name__ == '__main__':
    main()
