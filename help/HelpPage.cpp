#include "help/HelpPage.h"

#include <string>

namespace help {

namespace {

// Written here with LF line ends; HelpPageText gives every line its CR LF.
constexpr std::string_view kPage = R"(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>Hilfe zu Quellrix - Version 1.0</title>
</head>
<body text="#000000" bgcolor="#FFFFFF" link="#FF0000" alink="#FF0000" vlink="#FF0000">
<font face="Arial">
<h1><b>Hilfe zu Quellrix - Version 1.0</b></h1>
<p align="justify">
Das Ihnen vorliegende Programm Quellrix in der Version 1.0 ist ein Programm, das nach ATV-DVWK Arbeitsblatt 110 (ATV-DVWK A110) station&auml;re Str&ouml;mungen in kreisrunden geraden Rohrleitungen berechnet.
Die Rohrtabellen f&uuml;r Gussrohre sind im Programm bereits hinterlegt.
</p>
<p align="justify">
<u>Hinweis:</u> Eingaben, die mit anderen Parametern zusammenh&auml;ngen, werden einer Plausibilit&auml;tspr&uuml;fung unterzogen.
Manuelle Eingaben, die nicht plausibel sind, werden <font color="#FF0000">rot</font> hervorgehoben.
</p>
<p align="justify">
<u>Beispiel:</u> Wurde der Innendurchmesser von Hand eingegeben, passen die Rohrparameter Au&szlig;endurchmesser, Wanddickenst&auml;rke und Zementm&ouml;rtelauskleidung nicht mehr zu ihm.
</p>
<hr noshade size="1">
<ul>
<li><a href="#Global">Globale Daten</a></li>
<li><a href="#Gesucht">Gesuchte Parameter</a></li>
<li><a href="#Rohr">Rohrparameter</a></li>
<li><a href="#Rauh">Rauhigkeitsparameter</a></li>
<li><a href="#Para">Parameter</a></li>
<li><a href="#Ansatz">Verwendete mathematische und physikalische Ans&auml;tze</a></li>
<li><a href="#Tabelle">Bemessungstabelle</a></li>
<li><a href="#Kurven">Teilf&uuml;llungskurven</a></li>
<li><a href="#Dateien">Berechnungsdateien</a></li>
<li><a href="#Drucken">Bericht, Bemessungsblatt und Ergebnisse</a></li>
<li><a href="#Stapel">Stapelrechnung mit quellrix-batch</a></li>
<li><a href="#Tasten">Bedienung mit der Tastatur</a></li>
</ul>
<hr noshade size="1">

<p><b><u><a name="Global">Globale Daten:</a></u></b></p>
<p>Mittels der globalen Daten werden die elementaren Randbedingungen f&uuml;r eine Berechnung erfragt:</p>
<ul>
<li>Vollf&uuml;llung / Teilf&uuml;llung</li>
<li>Fluidtemperatur t</li>
<li>Fluiddichte &rho;</li>
<li>Erdbeschleunigung g</li>
<li>Kinematische Z&auml;higkeit &nu;</li>
</ul>
<p><u>Vollf&uuml;llung / Teilf&uuml;llung</u><br>
Mit der Wahl der F&uuml;llungsart werden die Felder der Teilf&uuml;llung v<sub>t</sub>, Q<sub>t</sub> und h<sub>t</sub> freigegeben oder gesperrt:
bei Teilf&uuml;llung sind sie freigegeben, bei Vollf&uuml;llung gesperrt.</p>
<p><u>Fluidtemperatur t</u><br>
Die Dichte und die kinematische Z&auml;higkeit des Fluids h&auml;ngen von seiner Temperatur ab.
Die Temperatur kann in ihrem Feld ge&auml;ndert werden.</p>
<p><u>Fluiddichte &rho;</u><br>
Die Dichte des Fluids h&auml;ngt von der Temperatur ab.
Sie kann in ihrem Feld ge&auml;ndert werden.</p>
<p><u>Erdbeschleunigung g</u><br>
Die Erdbeschleunigung kann in ihrem Feld ge&auml;ndert werden.</p>
<p><u>Kinematische Z&auml;higkeit &nu;</u><br>
Die kinematische Z&auml;higkeit ist der Parameter f&uuml;r die Energieverluste durch Schubspannungen im Fluid.
Sie h&auml;ngt von der Temperatur ab.</p>

<p><b><u><a name="Gesucht">Gesuchte Parameter:</a></u></b></p>
<p>In diesem Bereich k&ouml;nnen Sie w&auml;hlen, welche Parameter berechnet werden sollen:</p>
<ul>
<li>Energieliniengef&auml;lle J</li>
<li>Str&ouml;mungsgeschwindigkeit v und Durchfluss Q</li>
<li>Rauheit k</li>
<li>Innendurchmesser d<sub>i</sub></li>
</ul>
<p><u>Energieliniengef&auml;lle J</u><br>
Das Gef&auml;lle J wird in m/km berechnet und im Bereich Parameter ausgegeben.</p>
<p><u>Str&ouml;mungsgeschwindigkeit v und Durchfluss Q</u><br>
Die Str&ouml;mungsgeschwindigkeit v wird in m/s, der Durchfluss Q in l/s und in m&sup3;/h berechnet.
Beide werden im Bereich Parameter ausgegeben.</p>
<p><u>Rauheit k</u><br>
Die Rauheit k wird in mm berechnet und im Bereich Rauhigkeitsparameter ausgegeben.</p>
<p><u>Innendurchmesser d<sub>i</sub></u><br>
Der Innendurchmesser d<sub>i</sub> wird in mm berechnet und im Bereich Rohrparameter ausgegeben.</p>

<p><b><u><a name="Rohr">Rohrparameter:</a></u></b></p>
<p>Innerhalb des Programmes sind s&auml;mtliche Parameter f&uuml;r Gussrohre hinterlegt:</p>
<ul>
<li>Wanddickenklasse K</li>
<li>Nenndurchmesser DN</li>
<li>Au&szlig;endurchmesser d<sub>a</sub> in mm</li>
<li>Zementm&ouml;rtelauskleidung ZMA in mm</li>
<li>Wanddickenst&auml;rke s in mm</li>
<li>Innendurchmesser d<sub>i</sub> in mm</li>
</ul>
<p>Mit Ausnahme der Wanddickenklasse und des Nenndurchmessers DN k&ouml;nnen alle Rohrparameter von Hand ge&auml;ndert werden.
Der Innendurchmesser wird aus den Eingaben berechnet.</p>

<p><b><u><a name="Rauh">Rauhigkeitsparameter:</a></u></b></p>
<p>Die Rauheit k kann von Hand eingegeben oder aus den hinterlegten Werten ausgew&auml;hlt werden.</p>
<p>F&uuml;r Trink- und Brauchwasserleitungen gilt die integrale Rauheit k<sub>i</sub> nach DVGW Arbeitsblatt W302:</p>
<ul>
<li>k<sub>i</sub> = 0,1 mm f&uuml;r Fern- und Zubringerleitungen</li>
<li>k<sub>i</sub> = 0,4 mm f&uuml;r Hauptleitungen</li>
<li>k<sub>i</sub> = 1,0 mm f&uuml;r neue Netze und vermaschte Netze</li>
</ul>
<p>F&uuml;r Abwasserkan&auml;le gilt die betriebliche Rauheit k<sub>b</sub> nach ATV-DVWK Arbeitsblatt 110:</p>
<ul>
<li>k<sub>b</sub> = 0,25 mm f&uuml;r Transportkan&auml;le ohne Schacht</li>
<li>k<sub>b</sub> = 0,5 mm f&uuml;r Transportkan&auml;le mit Schacht</li>
<li>k<sub>b</sub> = 0,75 mm f&uuml;r Sammelkan&auml;le mit Schacht</li>
<li>k<sub>b</sub> = 1,5 mm f&uuml;r Sammelkan&auml;le mit Sondersch&auml;chten</li>
</ul>
<p>Soll der k-Wert berechnet werden, erfolgt die Ergebnisausgabe im Feld k.</p>

<p><b><u><a name="Para">Parameter:</a></u></b></p>
<p>Die Felder dieses Bereichs dienen sowohl der Eingabe als auch der Ausgabe.
Sie werden je nach F&uuml;llungsart (Vollf&uuml;llung oder Teilf&uuml;llung) freigegeben oder gesperrt.</p>
<p>Folgende Parameter werden je nach Wahl berechnet:</p>
<ul>
<li>Gef&auml;lle J in m/km</li>
<li>Flie&szlig;geschwindigkeit v<sub>v</sub> in m/s</li>
<li>Durchfluss Q<sub>v</sub> in l/s</li>
<li>Durchfluss Q<sub>v</sub> in m&sup3;/h</li>
<li>Fl&auml;che A<sub>v</sub> in m&sup2;</li>
<li>Reynoldszahl Re</li>
<li>Lambda</li>
<li>Wasserspiegelbreite in mm</li>
<li>Durchfluss Q<sub>t</sub> in l/s</li>
<li>Durchfluss Q<sub>t</sub> in m&sup3;/h</li>
<li>F&uuml;llh&ouml;he h<sub>t</sub> in mm</li>
<li>Flie&szlig;geschwindigkeit v<sub>t</sub> in m/s</li>
</ul>

<p><b><u><a name="Ansatz">Verwendete mathematische und physikalische Ans&auml;tze</a></u></b></p>
<ul>
<li>Kontinuit&auml;tsgleichung</li>
<li>Rohrreibungsverluste nach dem allgemeinen Widerstandsgesetz von Darcy-Weisbach</li>
<li>Reynoldszahl Re</li>
<li>Widerstandsbeiwert &lambda;</li>
<li>Verh&auml;ltnisse bei Teilf&uuml;llung</li>
</ul>
<p><u>Kontinuit&auml;tsgleichung</u><br>
Der Durchfluss ist das Produkt aus der mittleren Str&ouml;mungsgeschwindigkeit und der durchflossenen Querschnittsfl&auml;che:<br>
Q = v * A in m&sup3;/s</p>
<p><u>Rohrreibungsverluste nach dem allgemeinen Widerstandsgesetz von Darcy-Weisbach</u><br>
Die Verlusth&ouml;he durch Rohrreibung auf der Rohrl&auml;nge l betr&auml;gt:<br>
h<sub>v</sub> = &lambda; * (l/d) * (v<sup>2</sup> / 2*g) in m<br>
Auf die Rohrl&auml;nge bezogen ergibt sich daraus das Gef&auml;lle der Energielinie:<br>
J = (&lambda; /d) * (v<sup>2</sup> / 2*g) in m/km bzw. &permil;</p>
<p><u>Reynoldszahl Re</u><br>
Die Reynoldszahl kennzeichnet den Str&ouml;mungszustand; sie ist das Verh&auml;ltnis von Tr&auml;gheits- zu Z&auml;higkeitskr&auml;ften:<br>
Re = v * d / &nu;</p>
<p><u>Widerstandsbeiwert &lambda;</u><br>
Der dimensionslose Widerstandsbeiwert wird nach Prandtl-Colebrook (Colebrook-White) iterativ berechnet:<br>
1 / &radic; &lambda; = -2 * lg ( (2,51/(Re*&radic; &lambda;)) + (k /(3,71*d)) )</p>
<p><u>Verh&auml;ltnisse bei Teilf&uuml;llung</u><br>
Bei Teilf&uuml;llung werden Geschwindigkeit und Durchfluss f&uuml;r Normalabfluss aus den Werten bei Vollf&uuml;llung &uuml;ber den hydraulischen Radius bestimmt.
Bei Vollf&uuml;llung gilt f&uuml;r den hydraulischen Radius:<br>
r<sub>hy</sub> = d<sub>i</sub> / 4<br>
Geschwindigkeit und Durchfluss bei Teilf&uuml;llung ergeben sich zu:<br>
v<sub>T</sub> / v<sub>v</sub> = (r<sub>hy,T</sub> / r<sub>hy,v</sub>)<sup>0,625</sup><br>
Q<sub>T</sub> / Q<sub>v</sub> = A<sub>T</sub> / A<sub>v</sub> * v<sub>T</sub> / v<sub>v</sub></p>
<p>Das Formular rechnet die Teilf&uuml;llung mit angepassten N&auml;herungsformeln f&uuml;r den Kreisquerschnitt.
Sie stimmen zwischen etwa Q<sub>t</sub>/Q = 0,15 und 0,95 auf wenige Prozent mit dem exakten Kreisquerschnitt &uuml;berein;
bei sehr kleinen F&uuml;llungen (ihr h/d f&auml;llt nie unter 0,074) und bei fast voller Leitung weichen sie deutlich ab.
Die Bemessungstabelle und die Teilf&uuml;llungskurven zeigen deshalb auch die exakten Werte.</p>

<p><b><u><a name="Tabelle">Bemessungstabelle:</a></u></b></p>
<p>Extras &rarr; Bemessungstabelle... zeigt f&uuml;r jede Nennweite der gew&auml;hlten Wanddickenklasse, ob sie einen Durchfluss Q abf&uuml;hrt.
Mit einem Gef&auml;lle J ist es Freispiegelabfluss: je DN die Leistungsf&auml;higkeit Q<sub>v</sub> und v<sub>v</sub> bei Vollf&uuml;llung,
das Verh&auml;ltnis Q/Q<sub>v</sub> und h<sub>t</sub>, h/d und v<sub>t</sub> exakt f&uuml;r den Kreisquerschnitt.
Ohne J ist es Druckabfluss: v, Re, &lambda;, J und die Verlusth&ouml;he je 100 m.
Jede Zeile nennt, welches Kriterium (v<sub>min</sub>, v<sub>max</sub>, h/d max) oder welche Berechnungsgrenze sie verfehlt;
die kleinste Nennweite, die alle Kriterien erf&uuml;llt, ist gr&uuml;n als Empfehlung markiert.
&Uuml;bernehmen, ein Doppelklick oder die Eingabetaste tragen eine Zeile ins Formular ein; weichen die N&auml;herungsformeln
des Formulars dort mehr als 5 % vom Kreisquerschnitt ab, sagt eine Meldung es mit beiden Werten.
Die Tabelle l&auml;sst sich kopieren, als CSV speichern, drucken und in der Seitenansicht betrachten;
Kopf, Ausdruck, Kopie und CSV nennen Klasse, T, &rho;, &nu;, g, k, Q, J, die Kriterien und das Datum.</p>

<p><b><u><a name="Kurven">Teilf&uuml;llungskurven:</a></u></b></p>
<p>Extras &rarr; Teilf&uuml;llungskurve... zeigt Q<sub>t</sub>/Q und v<sub>t</sub>/v &uuml;ber h/d: nach den N&auml;herungsformeln des Programms
und exakt f&uuml;r den Kreisquerschnitt bei d<sub>i</sub>, k, &nu;, g und J des Formulars, mit dem Betriebspunkt des Formulars.
Das Diagramm l&auml;sst sich als PNG, SVG oder PDF speichern, die Wertetabelle kopieren.</p>

<p><b><u><a name="Dateien">Berechnungsdateien:</a></u></b></p>
<p>Datei &rarr; Speichern und Speichern unter... legen die Berechnung in einer Datei NAME.qrx ab: jedes Feld, die Auswahl, die Ergebnisse
und die Projektangaben (Datei &rarr; Projektangaben...). &Ouml;ffnen..., die Liste der letzten Dateien, ein Doppelklick auf eine
.qrx-Datei und ein Dateiname beim Aufruf zeigen sie genau so wieder. Vor Neu, &Ouml;ffnen und dem Beenden fragt das Programm
nach ungespeicherten &Auml;nderungen. Eine besch&auml;digte Datei wird mit einer Meldung abgelehnt.</p>

<p><b><u><a name="Drucken">Bericht, Bemessungsblatt und Ergebnisse:</a></u></b></p>
<p>Datei &rarr; Drucken..., Seitenansicht und Als PDF speichern... geben den einseitigen Rechenbericht aus.
Das Bemessungsblatt (Datei &rarr; Bemessungsblatt drucken..., -Seitenansicht, als PDF speichern...) zeigt ein berechnetes Ergebnis
f&uuml;r den Auftraggeber: Projektangaben, Rohr, Fluid, alle Werte, die gepr&uuml;ften Grenzen, die Formeln und bei Teilf&uuml;llung
die Kurven mit dem Betriebspunkt. Bearbeiten &rarr; Ergebnisse kopieren legt Eingaben und Ergebnisse als Tabelle in die Zwischenablage.</p>

<p><b><u><a name="Stapel">Stapelrechnung mit quellrix-batch:</a></u></b></p>
<p>Das Programm quellrix-batch rechnet jede Zeile einer CSV-Datei so, wie das Formular sie nach denselben Eingaben und einem Klick auf
Berechnen rechnet, und schreibt die Ergebnisse mit einer Spalte Status. quellrix-batch table schreibt die Bemessungstabelle,
quellrix-batch curve die Teilf&uuml;llungskurven als CSV. Einzelheiten: man quellrix-batch.</p>

<p><b><u><a name="Tasten">Bedienung mit der Tastatur:</a></u></b></p>
<ul>
<li>Tab und Umschalt+Tab wechseln die Felder, die Pfeiltasten die F&uuml;llungsart und den gesuchten Parameter</li>
<li>Alt mit dem unterstrichenen Buchstaben w&auml;hlt ein Feld oder dr&uuml;ckt einen Knopf, etwa Alt+R f&uuml;r Berechnen</li>
<li>Die Eingabetaste in einem Zahlenfeld berechnet; auf einem Knopf dr&uuml;ckt sie ihn</li>
<li>Strg+N Neu, Strg+O &Ouml;ffnen, Strg+S Speichern, Strg+P Drucken, Strg+Q Beenden</li>
<li>Strg+Umschalt+C Ergebnisse kopieren, F1 diese Hilfe</li>
<li>Escape schlie&szlig;t die Bemessungstabelle und das Fenster der Teilf&uuml;llungskurven</li>
</ul>
<hr noshade size="1">
</font>
</body>
</html>
)";

std::string WithCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}

}  // namespace

std::string_view HelpPageText() {
    static const std::string page = WithCrLf(kPage);
    return page;
}

}  // namespace help
