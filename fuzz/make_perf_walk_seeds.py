#!/usr/bin/env python3
"""Writes the perf_walk_fuzz seeds, which the sampler's tests also read: a processor count, the first block's
length and two performance-data blocks of a processor object, laid out field
by field from the published record layout (winperf.h, 32-bit fields, little
endian) rather than by the program's own writer."""
import pathlib
import struct

OUT = pathlib.Path(__file__).parent / "corpus" / "perf_walk_fuzz"
PROCESSOR_OBJECT, IDLE_COUNTER, USER_COUNTER = 238, 6, 142
TIMER_100NS_INV = 0x25450500


def pad8(data):
    return data + b"\0" * (-len(data) % 8)


def instance(name, idle):
    # PERF_INSTANCE_DEFINITION: ByteLength, ParentObjectTitleIndex,
    # ParentObjectInstance, UniqueID, NameOffset, NameLength; the name in
    # UTF-16 with its terminator, padded to 8 bytes.
    name_bytes = (name + "\0").encode("utf-16-le")
    length = len(pad8(b"\0" * 24 + name_bytes))
    definition = pad8(struct.pack("<6I", length, 0, 0, 0xFFFFFFFF, 24, len(name_bytes)) + name_bytes)
    # PERF_COUNTER_BLOCK: ByteLength and padding, then the user time at
    # offset 8 and the idle time at offset 16 (an idle counter at an offset
    # other than its size, so that a reader mistaking one field for the other
    # reads the wrong counter).
    counters = struct.pack("<IIqq", 24, 0, 7 * idle + 12345, idle)
    return definition + counters


def counter(title, offset):
    # PERF_COUNTER_DEFINITION: ByteLength, CounterNameTitleIndex,
    # CounterNameTitle, CounterHelpTitleIndex, CounterHelpTitle, DefaultScale,
    # DetailLevel, CounterType, CounterSize, CounterOffset.
    return struct.pack("<IIIIIiIIII", 40, title, 0, 0, 0, 0, 100, TIMER_100NS_INV, 8, offset)


def processor_object(idle_by_name):
    counters = counter(USER_COUNTER, 8) + counter(IDLE_COUNTER, 16)
    total = sum(idle_by_name.values())
    instances = b"".join(instance(name, idle) for name, idle in idle_by_name.items())
    instances += instance("_Total", total)
    definition_length = 64 + len(counters)
    total_length = definition_length + len(instances)
    # PERF_OBJECT_TYPE: TotalByteLength, DefinitionLength, HeaderLength,
    # ObjectNameTitleIndex, ObjectNameTitle, ObjectHelpTitleIndex,
    # ObjectHelpTitle, DetailLevel, NumCounters, DefaultCounter,
    # NumInstances, CodePage, PerfTime, PerfFreq.
    header = struct.pack("<8IIiiIqq", total_length, definition_length, 64, PROCESSOR_OBJECT, 0, 0, 0, 100,
                         2, 0, len(idle_by_name) + 1, 0, 0, 0)
    return header + counters + instances


def block(second, idle_by_name):
    body = processor_object(idle_by_name)
    # PERF_DATA_BLOCK: "PERF", LittleEndian, Version, Revision,
    # TotalByteLength, HeaderLength, NumObjectTypes, DefaultObject,
    # SystemTime (year month weekday day hour minute second ms), padding,
    # PerfTime, PerfFreq, PerfTime100nSec, SystemNameLength, SystemNameOffset.
    header = "PERF".encode("utf-16-le") + struct.pack(
        "<IIIIIIi8H4xqqqII", 1, 1, 1, 88 + len(body), 88, 1, PROCESSOR_OBJECT,
        2026, 12, 0, 6, 12, 0, second, 0, 0, 0, 0, 0, 0)
    assert len(header) == 88
    return header + body


def seed(name, processors, first, second):
    data = bytes([processors]) + struct.pack("<H", len(first)) + first + second
    (OUT / name).write_bytes(data)


SECOND = 10_000_000  # 100-ns units
OUT.mkdir(parents=True, exist_ok=True)
seed("two_processors.bin", 2,
     block(0, {"0": 0, "1": 0}),
     block(1, {"0": SECOND // 4, "1": 3 * SECOND // 4}))
seed("processor_offline_and_new.bin", 4,
     block(0, {"0": 0, "1": 0, "2": 0}),
     block(1, {"0": SECOND // 2, "2": SECOND // 10, "3": SECOND}))
