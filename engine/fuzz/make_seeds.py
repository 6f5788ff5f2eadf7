#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: small WAV files in the header layouts the
engine meets, each behind the choice bytes its harness reads first.

    engine/fuzz/make_seeds.py      (rewrites engine/fuzz/corpus/)
"""
import math
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
FMT = struct.pack("<HHIIHH", 1, 2, 44100, 176400, 4, 16)


def samples(frames, amplitude=12000):
    return b"".join(struct.pack("<hh", int(amplitude * math.sin(i / 7)), int(amplitude * math.cos(i / 5)))
                    for i in range(frames))


def wav(data, fmt_size=16, fact=False, data_size=None, after=b"", riff_size=None):
    fmt = b"fmt " + struct.pack("<I", fmt_size) + FMT + b"\0" * max(0, fmt_size - 16)
    fact_chunk = b"fact" + struct.pack("<II", 4, len(data) // 4) if fact else b""
    size = len(data) if data_size is None else data_size
    body = b"WAVE" + fmt + fact_chunk + b"data" + struct.pack("<I", size) + data + after
    return b"RIFF" + struct.pack("<I", len(body) if riff_size is None else riff_size) + body


def seeds():
    short = samples(1000)
    list_chunk = b"LIST" + struct.pack("<I", 16) + b"INFOINAM" + struct.pack("<I", 4) + b"tag\0"
    quiet = b"\0\0\0\0" * 200 + samples(300) + b"\0\0\0\0" * 200
    return {
        "canonical": wav(short),
        "fmt18": wav(short, fmt_size=18),
        "fact": wav(short, fact=True),
        "fmt48_wraps": wav(short, fmt_size=0x30),
        "list_after_data": wav(short, after=list_chunk),
        "data_size_ffffffff": wav(short, data_size=0xFFFFFFFF),
        "riff_size_ffffffff": wav(short, riff_size=0xFFFFFFFF),
        "truncated": wav(short, data_size=len(short) * 4),
        "odd_length": wav(short + b"\1\2", data_size=len(short) + 2),
        "silent_head_tail": wav(quiet),
        "all_silent": wav(b"\0" * 4000),
        "block_minus_frame": wav(samples(16383)),
        "block_exact": wav(samples(16384)),
        "block_plus_frame": wav(samples(16385)),
    }


def main():
    corpus = HERE / "corpus"
    shutil.rmtree(corpus, ignore_errors=True)
    # FileOpen reads: peak flag, threshold (16 bits), cancel report.
    # FileOpen then FileSave reads 16 bytes of edits; byte 15 picks the scan
    # flag and the copy mode.
    prefixes = {
        "file_open": [bytes([1, 80, 0, 0]), bytes([0, 80, 0, 1])],
        "file_save": [bytes([50, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 1]),
                      bytes([144, 1, 7, 1, 16, 0, 4, 3, 32, 1, 8, 2, 64, 5, 19, 3])],
    }
    for harness, heads in prefixes.items():
        folder = corpus / harness
        folder.mkdir(parents=True)
        for name, content in seeds().items():
            for index, head in enumerate(heads):
                (folder / f"{name}-{index}").write_bytes(head + content)


if __name__ == "__main__":
    main()
