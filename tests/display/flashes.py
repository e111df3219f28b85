#!/usr/bin/python3
"""Watches one pixel of a window and counts its flashes as WCAG 2.3.1 does.

A flash is a pair of opposing changes in relative luminance of 0.1 or more
where the darker state is below 0.80. Samples every 10 ms for the given
seconds, then prints the most flashes seen in any one second and the number
of colour changes.
Usage: flashes.py WINDOW_ID SECONDS
"""
import sys
import time

from Xlib import X, display


def luminance(red, green, blue):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue)


def sample(window, seconds):
    samples = []
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pixel = window.get_image(4, 4, 1, 1, X.ZPixmap, 0xFFFFFFFF).data  # blue, green, red, pad
        samples.append((time.monotonic(), (pixel[2], pixel[1], pixel[0])))
        time.sleep(0.01)
    return samples


def transitions(samples):
    """Times of the luminance changes that count, each opposite to the one before."""
    times, direction = [], 0
    reference = luminance(*samples[0][1])
    for at, colour in samples[1:]:
        level = luminance(*colour)
        change = level - reference
        if abs(change) >= 0.1 and min(level, reference) < 0.8:
            if (change > 0) != (direction > 0) or direction == 0:
                times.append(at)
            direction = 1 if change > 0 else -1
            reference = level
        elif direction * change > 0:
            reference = level  # the same swing goes on
    return times


def main():
    window = display.Display().create_resource_object("window", int(sys.argv[1], 0))
    samples = sample(window, float(sys.argv[2]))
    times = transitions(samples)
    most = max((sum(1 for t in times if start <= t < start + 1.0) // 2 for start in times), default=0)
    changes = sum(1 for before, after in zip(samples, samples[1:]) if before[1] != after[1])
    print(f"flashes in one second at most: {most}; colour changes: {changes} in {len(samples)} samples")
    print(most, changes)


if __name__ == "__main__":
    main()
