#pragma once
// "Erstellung von Zufallsgruppen": die geladene Klasse in Gruppen gewaehlter Groesse losen, auf
// Wunsch Maedchen und Jungen getrennt. Die Gruppen werden nur gezeigt, vierspaltig und Spalte fuer
// Spalte, Name fuer Name; an der Klasse aendert sich nichts.

#include <QGroupBox>

#include <functional>
#include <memory>

class QComboBox;
class QListWidget;
class QPushButton;
class Klassensitzung;
class Zufall;

class ZufallsgruppenAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    explicit ZufallsgruppenAnsicht(const Klassensitzung &sitzung);

    // Leert die Liste und zeigt die Gruppe.
    void oeffnen();
    void BGruppeNeuLosenClick();
    void BGruppeLoeschenClick();
    void BZufallsgruppenBeendenClick();
    bool offen() const;

    // Die Zufallsquelle je Losung; im Programm aus der Uhr gesaet.
    std::function<std::unique_ptr<Zufall>()> zufallsquelle;
    int pauseMs = 50; // zwischen zwei Namen

    QComboBox *CBoxGruppengroesse = nullptr;
    QComboBox *CBoxJMTrennung = nullptr;
    QPushButton *BGruppeNeuLosen = nullptr;
    QPushButton *BGruppeLoeschen = nullptr;
    QPushButton *BZufallsgruppenBeenden = nullptr;
    QListWidget *ListBoxZufallsGruppen = nullptr;

signals:
    void anzeigen();
    void fertig();

private:
    const Klassensitzung &s;
};
