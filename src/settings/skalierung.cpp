#include "settings/skalierung.h"

#include <algorithm>
#include <cmath>

namespace {

// P ~ n heisst |P - n| < 10.
bool etwa(double ppi, int n)
{
    return std::abs(ppi - n) < 10.0;
}

} // namespace

long long rundeGerade(long long zaehler, long long nenner)
{
    // Exakt mit ganzen Zahlen, damit 102,5 nicht als 102,49999 ankommt.
    long long q = zaehler / nenner;
    long long rest = zaehler % nenner;
    if (rest < 0) {
        rest += nenner;
        --q;
    }
    const long long doppelt = 2 * rest;
    if (doppelt > nenner || (doppelt == nenner && (q % 2 != 0))) {
        ++q;
    }
    return q;
}

int Bildschirmaufloesung_beliebig(int W, int H, double P, Fensterfamilie familie, int A, int B)
{
    if (W <= 0 || H <= 0 || A <= 0 || B <= 0) {
        return 100;
    }
    const long long w = W, h = H, a = A, b = B;
    long long s = 100;
    const bool p144 = etwa(P, 144), p120 = etwa(P, 120), p96 = etwa(P, 96);

    if (w * b < h * a) {
        // Die Breite ist die knappere Abmessung.
        if (W == A) {
            s = std::llround(std::nearbyint(100.0 - (P - 96.0)));
        } else if (W > A) {
            if (p144 || p120) {
                s = 100;
            } else if (p96) {
                s = rundeGerade(100 * w, a);
            }
        } else {
            if (p144 || p120) {
                s = rundeGerade(100 * w, a);
            } else if (p96) {
                // 100 - (A / W - 1) * 100 = (200 W - 100 A) / W
                s = rundeGerade(200 * w - 100 * a, w);
            }
        }
    } else {
        // Die Hoehe ist die knappere Abmessung (oder beide gleich).
        switch (familie) {
        case Fensterfamilie::Standard:
            if (H == B) {
                s = p144 ? 80 : p120 ? 100 : p96 ? 125 : s;
            } else if (H > B) {
                s = p144 ? rundeGerade(80 * h, b) : p120 ? 100 : p96 ? rundeGerade(125 * h, b) : s;
            } else {
                s = p144   ? rundeGerade(80 * h, b)
                    : p120 ? rundeGerade(100 * h, b)
                    : p96  ? rundeGerade(125 * h, b)
                           : s;
            }
            break;
        case Fensterfamilie::Testauswahl:
            if (H == B) {
                s = p144 ? 80 : p120 ? 100 : p96 ? 120 : s;
            } else if (H > B) {
                s = p144 ? rundeGerade(80 * h, b) : p120 ? 100 : p96 ? rundeGerade(120 * h, b) : s;
            } else {
                // H / B x 100 / 1,35 = 2000 H / (27 B)
                s = p144   ? rundeGerade(2000 * h, 27 * b)
                    : p120 ? rundeGerade(96 * h, b)
                    : p96  ? rundeGerade(120 * h, b)
                           : s;
            }
            break;
        case Fensterfamilie::Notenverwaltung:
            if (H == B) {
                s = p144 ? 93 : p120 ? 100 : p96 ? 123 : s;
            } else if (H > B) {
                s = (p144 || p120) ? 100 : p96 ? rundeGerade(125 * h, b) : s;
            } else {
                // H / B x 100 / 1,05 = 2000 H / (21 B)
                s = p144   ? rundeGerade(2000 * h, 21 * b)
                    : p120 ? rundeGerade((W > 1023 ? 96 : 70) * h, b)
                    : p96  ? rundeGerade(125 * h, b)
                           : s;
            }
            break;
        }
    }
    // Schmale Hochformat-Bildschirme oder unsinnige Punktdichten ergaeben sonst null oder
    // negative Faktoren: das Fenster waere unsichtbar.
    return int(std::clamp<long long>(s, kSkalierungMin, kSkalierungMax));
}
