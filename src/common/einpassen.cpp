#include "common/einpassen.h"

#include <algorithm>

namespace {

// Eine Abmessung: Anfang und Laenge des Inhalts, Rahmen davor und danach.
struct Strecke
{
    int anfang;
    int laenge;
};

Strecke einpassen(int freiAnfang, int freiLaenge, int vorne, int hinten, Strecke s)
{
    const int platz = std::max(1, freiLaenge - vorne - hinten);
    s.laenge = std::clamp(s.laenge, 1, platz);
    // Erst das Ende hinein, dann den Anfang: zaehlt einer nicht, dann das Ende.
    const int freiEnde = freiAnfang + freiLaenge;
    if (s.anfang + s.laenge + hinten > freiEnde) {
        s.anfang = freiEnde - hinten - s.laenge;
    }
    if (s.anfang - vorne < freiAnfang) {
        s.anfang = freiAnfang + vorne;
    }
    return s;
}

} // namespace

QRect fensterEinpassen(const QRect &frei, const QMargins &rahmen, const QRect &fenster)
{
    if (frei.isEmpty()) {
        return fenster;
    }
    const Strecke waagerecht =
        einpassen(frei.x(), frei.width(), std::max(0, rahmen.left()), std::max(0, rahmen.right()),
                  {fenster.x(), fenster.width()});
    const Strecke senkrecht =
        einpassen(frei.y(), frei.height(), std::max(0, rahmen.top()), std::max(0, rahmen.bottom()),
                  {fenster.y(), fenster.height()});
    return {waagerecht.anfang, senkrecht.anfang, waagerecht.laenge, senkrecht.laenge};
}
