// Erzeugt beim Bau die Schritt-fuer-Schritt-Anleitung des Probelaufs als PDF.
// Aufruf: mivo-probelaufanleitung ZIEL.pdf
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kText = uR"(
<h1>Probelauf: ein Test am heimischen PC</h1>
<p>Sie spielen beide Rollen: die Lehrkraft im Lehrerprogramm <b>Mivo-Zuzovuvavev</b> und einen
(virtuellen) Schüler im Schülerprogramm <b>Mivo</b>. Beide Programme laufen nebeneinander; mit
<b>Alt+Tab</b> wechseln Sie zwischen ihnen. Der Probelauf dauert etwa zehn Minuten.</p>

<h2>1. Im Lehrerprogramm: den Test bereitstellen</h2>
<ol>
<li>Die Testauswahl zur Durchführung ist geöffnet. Wählen Sie den Beispieltest <b>7xP1Bspl</b>
(Klasse 7x, Physik, "Beispieltest zur Unfallverhütung").</li>
<li>Klicken Sie auf <b>Durchführung beginnen</b> und beantworten Sie die weiteren Fragen mit
<b>Ja</b> bzw. <b>OK</b>. Das Programm legt für jeden Schüler der Beispielklasse eine persönliche
Kopie in den Ausgabe-Ordner.</li>
</ol>

<h2>2. Im Schülerprogramm Mivo: den Test bearbeiten</h2>
<ol>
<li>Wechseln Sie mit <b>Alt+Tab</b> zu Mivo.</li>
<li>Tippen Sie die Klasse <b>7x</b> ein und drücken Sie die Eingabetaste (oder klicken Sie
<b>Test holen und bearbeiten</b>).</li>
<li>Der Beispieltest ist schon ausgewählt. Wählen Sie mit den Pfeiltasten einen Namen aus der
Beispielklasse, zum Beispiel <b>Albrecht, Lena</b>, und drücken Sie die Eingabetaste.</li>
<li>Bearbeiten Sie den Test:
 <ul>
 <li><b>Pfeil hoch/runter</b> wählt die Antwort, <b>Pfeil links/rechts</b> die Aufgabe.</li>
 <li><b>x</b> oder die <b>Leertaste</b> kreuzt die markierte Antwort an, <b>a</b> bis <b>d</b>
 kreuzen direkt an. Noch einmal dieselbe Taste nimmt das Kreuz wieder weg.</li>
 <li>Aufgabe 5 zeigt neben den Antworten Bilder.</li>
 <li><b>Strg+Plus</b> vergrößert die Schrift.</li>
 </ul></li>
<li>Klicken Sie <b>Abgeben</b> (oder <b>Alt+A</b>). Mivo nennt noch offene Aufgaben und fragt
nach; mit <b>Ja</b> wird der Test abgegeben.</li>
</ol>

<h2>3. Im Lehrerprogramm: einsammeln und benoten</h2>
<ol>
<li>Wechseln Sie mit <b>Alt+Tab</b> zurück. Das Lehrerprogramm sammelt den abgegebenen Test
innerhalb einer Sekunde ein; er erscheint in der Liste der abgegebenen Tests.</li>
<li>Klicken Sie <b>Benoten</b> und beenden Sie die Durchführung mit <b>Ja</b>. Die Noten können
Sie anschließend in die Notenliste der Klasse übernehmen.</li>
</ol>

<h2>4. Rückgabe</h2>
<ol>
<li>Geben Sie im Rückgabe-Modus den Test zurück (<b>Testrückgabe mit Speichern</b>).</li>
<li>In Mivo: Klasse <b>7x</b> eintippen, <b>Zurückgegebenen Test ansehen</b> klicken, den Namen
wählen. Der benotete Test erscheint mit seinen Bildern und kann gespeichert werden.</li>
</ol>
<p><i>Tipp:</i> Mivo merkt sich angefangene Tests im Schüler-Ordner. Wird es vor der Abgabe
geschlossen, bietet es die bisherigen Antworten beim nächsten Mal wieder an.</p>
)"_s;

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: mivo-probelaufanleitung ZIEL.pdf\n");
        return 1;
    }
    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    pdf.setTitle(u"Mivo-Zuzovuvavev: Anleitung zum Probelauf"_s);
    pdf.setCreator(u"Mivo-Zuzovuvavev"_s);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QTextDocument doc;
    QFont schrift(u"DejaVu Sans"_s);
    schrift.setPointSize(11);
    doc.setDefaultFont(schrift);
    doc.setHtml(kText);
    doc.print(&pdf);
    return 0;
}
