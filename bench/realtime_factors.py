#!/usr/bin/env python3
"""Real-time factors of whole renders through kravo-host, on one core.

Usage: bench/realtime_factors.py [--rounds N] [--only TEXT] [BUILD_DIR]   (BUILD_DIR defaults to build/release)

Cases, each rendering the 60 s dense drum file (bench/dense_drums.py, 1770 notes) plus kravo-host's 2 s tail:
  dense      program 0 as it stands;
  every-pad  the same hits going round all 24 voice pads, the 8 sample slots playing program 0's own
             sample files (the build's factory sample files, installed into a private sample folder);
  4 reverbs  every-pad with all 24 voices sent to the four effect slots, each an "HQ Reverb";
  silence    62 s with no notes.
The factor is audio seconds over CPU seconds (user + system) of the render alone: the CPU time of the
same command rendering 0.1 s is taken off, which leaves out start-up and construction. Each case runs
N times (default 5) and the best is kept, as other jobs on the machine only ever slow a round down.
--only TEXT runs the cases whose name holds TEXT.
The construction time and the plug-in object's size come from kravo-bench.
Where fluidsynth and a General MIDI soundfont are installed (Debian: fluidsynth, fluid-soundfont-gm), it
renders the dense file too, as fast as it can, in the same way (best of N, CPU time with the start-up of a
0.1 s file taken off, audio seconds from the file it writes), and each case is also given as a ratio of its
factor to fluidsynth's.
"""
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
RENDER_SECONDS = 62.0   # the file's 60 s and the 2 s tail
SHORT_SECONDS = 0.1
FIRST_EFFECT_TYPE = 1550
HQ_REVERB_TYPE = 5


def cpu_seconds(command, env):
    """CPU time of one run of command, from the kernel's accounting of the child."""
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    if status != 0:
        sys.exit(f'failed (wait status {status}): {" ".join(command)}')
    return usage.ru_utime + usage.ru_stime


def best_of(rounds, command, env):
    return min(cpu_seconds(command, env) for _ in range(rounds))


SOUNDFONTS = ['/usr/share/sounds/sf2/FluidR3_GM.sf2', '/usr/share/sounds/sf2/default-GM.sf2']


def short_midi(path):
    """One drum hit of 0.1 s: what fluidsynth's start-up and shut-down cost on their own."""
    track = bytes([0x00, 0x99, 36, 100, 0x60, 0x89, 36, 0, 0x00, 0xFF, 0x2F, 0x00])
    with open(path, 'wb') as out:
        out.write(b'MThd' + struct.pack('>IHHH', 6, 0, 1, 480) + b'MTrk' + struct.pack('>I', len(track)) + track)


def fluidsynth_factor(rounds, one_core, dense, tmp):
    """fluidsynth's real-time factor on the dense file, or None when it or a soundfont is missing."""
    program = shutil.which('fluidsynth')
    soundfont = next((path for path in SOUNDFONTS if os.path.exists(path)), None)
    if program is None or soundfont is None:
        return None
    short = os.path.join(tmp, 'short.mid')
    short_midi(short)
    out = os.path.join(tmp, 'fluidsynth.wav')

    def timed(midi):
        command = one_core + [program, '-n', '-i', '-q', '-r', '44100', '-T', 'wav', '-F', out, soundfont, midi]
        seconds = best_of(rounds, command, dict(os.environ))
        with wave.open(out) as written:
            return seconds, written.getnframes() / written.getframerate()

    whole, whole_audio = timed(dense)
    start, start_audio = timed(short)
    return (whole_audio - start_audio) / max(whole - start, 1e-6)


def voice_output_indices(host, env):
    """Every voice's "Output" parameter, found by name through kravo-host params."""
    indices = []
    names = subprocess.run([host, 'params'] + [str(i) for i in range(9900)], env=env, check=True,
                           capture_output=True, text=True).stdout.splitlines()
    for line in names:
        fields = line.split('\t')
        if len(fields) > 1 and fields[1].endswith(' Output'):
            indices.append(int(fields[0]))
    return indices


def main():
    args = sys.argv[1:]
    rounds = 5
    only = ''
    build = 'build/release'
    while args:
        if args[0] in ('--rounds', '--only') and len(args) > 1:
            if args[0] == '--rounds':
                rounds = int(args[1])
            else:
                only = args[1]
            args = args[2:]
        elif not args[0].startswith('-') and build == 'build/release':
            build = args[0]
            args = args[1:]
        else:
            sys.exit(f'unknown argument {args[0]}\n{__doc__.splitlines()[2]}')
    host = os.path.join(build, 'host', 'kravo-host')
    bench = os.path.join(build, 'bench', 'kravo-bench')
    one_core = ['taskset', '-c', str(sorted(os.sched_getaffinity(0))[-1])]

    with tempfile.TemporaryDirectory(prefix='kravo-bench-') as tmp:
        env = dict(os.environ, KRAVO_DRIVE_ROOT=os.path.join(tmp, 'drive'), XDG_CONFIG_HOME=os.path.join(tmp, 'config'))
        dense = os.path.join(tmp, 'dense.mid')
        every_pad = os.path.join(tmp, 'every-pad.mid')
        subprocess.run([sys.executable, os.path.join(HERE, 'dense_drums.py'), dense], check=True, capture_output=True)
        subprocess.run([sys.executable, os.path.join(HERE, 'dense_drums.py'), '--every-pad', every_pad], check=True,
                       capture_output=True)
        subprocess.run([os.path.join(HERE, '..', 'scripts', 'install-factory-samples'), build], env=env, check=True,
                       capture_output=True)

        reverbs = [(FIRST_EFFECT_TYPE + s, (HQ_REVERB_TYPE + 0.5) / 49.99) for s in range(4)]
        outputs = voice_output_indices(host, env)
        # Output values 0.04.. pick the main bus, then FX 1..4 from (1.5 + s) / 24.99 on.
        sends = [(index, (1.5 + n % 4) / 24.99) for n, index in enumerate(outputs)]
        cases = [
            ('dense, program 0', ['--midi', dense], []),
            ('every pad sounding', ['--midi', every_pad], []),
            ('every pad, 4 HQ Reverbs', ['--midi', every_pad], reverbs + sends),
            ('silence', [], []),
        ]
        out = os.path.join(tmp, 'out.wav')
        reference = fluidsynth_factor(rounds, one_core, dense, tmp)
        print(f'kravo-host real-time factors, best of {rounds} rounds, CPU time of the render alone, one core')
        if reference is not None:
            print(f'  fluidsynth, dense file     {reference:8.1f}x real time')
        for name, notes, settings in cases:
            if only not in name:
                continue
            sets = [a for index, value in settings for a in ('--set', f'{index}={value:.6f}')]
            command = one_core + [host, 'render', '--quiet', '--out', out, '--program', '0'] + sets + notes
            whole = best_of(rounds, command + ['--seconds', str(RENDER_SECONDS)], env)
            start = best_of(rounds, command + ['--seconds', str(SHORT_SECONDS)], env)
            seconds = max(whole - start, 1e-6)
            factor = (RENDER_SECONDS - SHORT_SECONDS) / seconds
            ratio = f', {factor / reference:.2f}x fluidsynth' if reference is not None else ''
            print(f'  {name:26s} {factor:8.1f}x real time  ({seconds * 1000:.0f} ms CPU for '
                  f'{RENDER_SECONDS - SHORT_SECONDS:.1f} s{ratio})')

    report = json.loads(subprocess.run(one_core + [bench, '--benchmark_filter=BM_PluginConstruction',
                                                   f'--benchmark_repetitions={rounds}', '--benchmark_format=json'],
                                       check=True, capture_output=True, text=True).stdout)
    runs = [b for b in report['benchmarks'] if b.get('run_type') == 'iteration']
    best = min(runs, key=lambda b: b['cpu_time'])
    print(f'  construction               {best["cpu_time"]:8.1f} ms CPU')
    print(f'  plug-in object             {best["object_MB"]:8.1f} MB')


if __name__ == '__main__':
    main()
