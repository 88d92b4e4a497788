#!/usr/bin/env python3
"""Reads number texts through the program's reader (the probe) and checks every value against
exact rational arithmetic: the extended value (64-bit significand, exponents down to the
subnormal 2^-16445) nearest to the text, ties to even; beyond the extended range the text is
invalid. Random texts cover short and long mantissas and exponents across the whole range."""
import random
import subprocess
import sys
from fractions import Fraction

MIN_POWER = -16445          # the smallest subnormal is 2^-16445
LIMIT = 1 << 16384          # every finite extended value lies below 2^16384


def nearest_extended(value):
    """(odd significand, power) of the extended value nearest to value > 0, or None past the
    range; 0 below half the smallest subnormal."""
    n, d = value.numerator, value.denominator
    power = n.bit_length() - d.bit_length() - 64
    while Fraction(n, d) >= Fraction(1 << 64) * Fraction(2) ** power:
        power += 1
    while Fraction(n, d) < Fraction(1 << 63) * Fraction(2) ** power:
        power -= 1
    power = max(power, MIN_POWER - 0)
    scaled = Fraction(n, d) / Fraction(2) ** power
    q, r = divmod(scaled.numerator, scaled.denominator)
    twice = 2 * r
    if twice > scaled.denominator or (twice == scaled.denominator and q % 2 == 1):
        q += 1
    if q == 0:
        return (0, 0)
    if Fraction(q) * Fraction(2) ** power >= LIMIT:
        return None
    while q % 2 == 0:
        q //= 2
        power += 1
    return (q, power)


def expected(text):
    body = text.strip(' ')
    negative = body.startswith('-')
    body = body.lstrip('+-')
    mantissa, _, exponent = body.replace('e', 'E').partition('E')
    whole, _, fraction = mantissa.partition(',')
    digits = int(whole + fraction or '0')
    sign = exponent[:1] if exponent[:1] in '+-' else ''
    power = int(exponent[len(sign):] or '0') * (-1 if sign == '-' else 1)
    value = Fraction(digits) * Fraction(10) ** (power - len(fraction))
    if value == 0:
        return '-0' if negative else '0'
    nearest = nearest_extended(value)
    if nearest is None:
        return 'invalid'
    if nearest == (0, 0):
        return '-0' if negative else '0'
    return f"{'-' if negative else ''}{nearest[0]} {nearest[1]}"


def random_text(rng):
    count = rng.choice([1, 3, 10, 17, 19, 20, 25, 40]) if rng.random() < 0.9 else rng.randint(41, 260)
    digits = ''.join(rng.choice('0123456789') for _ in range(count))
    if rng.random() < 0.2:
        digits = '0' * rng.randint(1, 5) + digits
    point = rng.randint(0, len(digits))
    mantissa = digits[:point] + (',' + digits[point:] if point < len(digits) or rng.random() < 0.5 else '')
    if mantissa in ('', ','):
        mantissa = '1'
    kind = rng.random()
    if kind < 0.2:
        exponent = ''
    elif kind < 0.4:
        exponent = rng.choice('eE') + rng.choice(['', '+', '-']) + str(rng.randint(0, 40))
    else:
        # Exponents up to 4999 (a fifth digit after the value reached 500 is invalid text)
        # with a leading zero now and then.
        value = rng.randint(0, 4999)
        exponent = rng.choice('eE') + rng.choice(['', '+', '-', '-']) + ('0' if rng.random() < 0.1 else '') + str(value)
    return rng.choice(['', '-', '+']) + mantissa + exponent


FIXED = [
    '1,5E-400', '0,1e-400', '1E-4940', '12345678901234567890E-4945',
    '1,18973149535723176E-04931', '1,18973149535723176E-4932', '3,6451995318824746E-4951',
    '1,8225997659412373E-4951', '1,8225997659412374E-4951', '1E-4952', '1E-4999',
    '1,18973149535723176502E4932', '1,18973149535723177E4932', '1,2E4932',
    '0,1', '0,2', '0,3', '1,1', '9007199254740993', '18446744073709551615',
    '18446744073709551616', '18446744073709551617', '123456789012345678901234567890',
    '1' + '0' * 300 + 'E-300', '0,' + '0' * 300 + '1E300', '5E-3', '1E600', ',5', '-,',
]


def main():
    probe = sys.argv[1]
    cases = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rng = random.Random(20261211)
    texts = FIXED + [random_text(rng) for _ in range(cases)]
    result = subprocess.run([probe], input='\n'.join(texts) + '\n', capture_output=True,
                            text=True, check=True)
    got = result.stdout.splitlines()
    if len(got) != len(texts):
        print(f'probe answered {len(got)} of {len(texts)} texts')
        return 1
    failures = [(t, g, expected(t)) for t, g in zip(texts, got) if g != expected(t)]
    for text, g, e in failures[:20]:
        print(f'{text!r}: read {g}, nearest {e}')
    print(f'{len(texts) - len(failures)} of {len(texts)} texts read as their nearest extended value')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
