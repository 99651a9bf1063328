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
Das Ihnen vorliegende Programm Quellrix in der Version 1.0 ist ein Programm, dass nach ATV-DVWK Arbeitsblatt 110 (ATV-DVWK A110) station&auml;re Str&ouml;mungen in kreisrunden geraden Rohrleitungen berechnet.
Die Rohrtabellen f&uuml;r Gussrohre sind im Programm bereits hinterlegt.
</p>
<p align="justify">
<u>Hinweis:</u> Eingaben, die mit anderen Parametern zusammenh&auml;ngen, werden einer Plausibilit&auml;tspr&uuml;fung unterzogen.
Manuelle Eingaben, die nicht plausibel sind, werden <font color="#FF0000">rot</font> hervorgehoben.
</p>
<p align="justify">
<u>Beispiel:</u> Wurde der Innendurchmesser von Hand eingegeben, passen die Rohrparameter Aussendurchmesser, Wanddickenst&auml;rke und Zementm&ouml;rtelauskleidung nicht mehr zu ihm.
</p>
<hr noshade size="1">
<ul>
<li><a href="#Global">Globale Daten</a></li>
<li><a href="#Gesucht">Gesuchte Parameter</a></li>
<li><a href="#Rohr">Rohrparameter</a></li>
<li><a href="#Rauh">Rauhigkeitsparameter</a></li>
<li><a href="#Para">Parameter</a></li>
<li><a href="#Ansatz">Verwendete mathematische und physikalische Ans&auml;tze</a></li>
</ul>
<hr noshade size="1">

<p><b><u><a name="Global">Globale Daten:</a></u></b></p>
<p>Mittels der globalen Daten werden die elementaren Randbedingungen f&uuml;r eine Berechnung erfragt:</p>
<ul>
<li>Vollf&uuml;llung / Teilf&uuml;llung</li>
<li>Fluidtemperatur t</li>
<li>Fluiddichte &rho;</li>
<li>Erdbeschleunigung g</li>
<li>Kinematische Z&auml;higkeit <font face="Symbol">n</font></li>
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
<p><u>Kinematische Z&auml;higkeit <font face="Symbol">n</font></u><br>
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
<li>Wanddickenklasse k</li>
<li>Nenndurchmesser DN</li>
<li>Aussendurchmesser d<sub>a</sub> in mm</li>
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
<p>Soll der k-Wert berechnet werden, erfolgt die Ergebnisausgabe im Feld.</p>

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
<li>Rohrreibungsverluste nach dem allgemeinen Widerstandsgesetz von Darcy-Weissbach</li>
<li>Reynoldszahl Re</li>
<li>Widerstandsbeiwert &lambda;</li>
<li>Verh&auml;ltnisse bei Teilf&uuml;llung</li>
</ul>
<p><u>Kontinuit&auml;tsgleichung</u><br>
Der Durchfluss ist das Produkt aus der mittleren Str&ouml;mungsgeschwindigkeit und der durchflossenen Querschnittsfl&auml;che:<br>
Q = v * A in m&sup3;/s</p>
<p><u>Rohrreibungsverluste nach dem allgemeinen Widerstandsgesetz von Darcy-Weissbach</u><br>
Die Verlusth&ouml;he durch Rohrreibung auf der Rohrl&auml;nge l betr&auml;gt:<br>
h<sub>v</sub> = &lambda; * (l/d) * (v<sup>2</sup> / 2*g) in m<br>
Auf die Rohrl&auml;nge bezogen ergibt sich daraus das Gef&auml;lle der Energielinie:<br>
J = (&lambda; /d) * (v<sup>2</sup> / 2*g) in m/km bzw. <sup>&deg;</sup>/<sub>&deg;&deg;</sub></p>
<p><u>Reynoldszahl Re</u><br>
Die Reynoldszahl kennzeichnet den Str&ouml;mungszustand; sie ist das Verh&auml;ltnis von Tr&auml;gheits- zu Z&auml;higkeitskr&auml;ften:<br>
Re = v * d / <font face="Symbol">n</font></p>
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
