#pragma once
// Was alle Fenster teilen: die Einstellungen und die Naehte zur Aussenwelt.

struct Einstellungen;
class Konfiguration;
class Oeffner;
class Rueckfragen;
class Uhr;

struct Umgebung
{
    Einstellungen &e;
    Konfiguration &k;
    Rueckfragen &r;
    Oeffner &o;
    const Uhr &uhr;
};
