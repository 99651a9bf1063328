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
<li><a href="#Froude">Flie&szlig;zustand bei Teilf&uuml;llung</a></li>
<li><a href="#Schub">Wandschubspannung und Ablagerungsfreiheit</a></li>
<li><a href="#Verlust">Verlusth&ouml;he einer Druckleitung</a></li>
<li><a href="#DiQJk">Innendurchmesser aus Q, J und k</a></li>
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

<p><b><u><a name="Froude">Flie&szlig;zustand bei Teilf&uuml;llung:</a></u></b></p>
<p>Ein teilgef&uuml;lltes Rohr flie&szlig;t mit freiem Wasserspiegel. Die Froude-Zahl vergleicht die Flie&szlig;geschwindigkeit mit der Geschwindigkeit einer Oberfl&auml;chenwelle;
als L&auml;nge dient die hydraulische Tiefe, die Fl&auml;che A des Abflussquerschnitts geteilt durch die Wasserspiegelbreite b:<br>
Fr = v<sub>t</sub> / &radic; (g * A / b) mit v<sub>t</sub> = Q<sub>t</sub> / A<br>
Bei Fr = 1 flie&szlig;t das Wasser in der Grenztiefe h<sub>c</sub>. Sie folgt f&uuml;r den Durchfluss aus dem exakten Kreisquerschnitt aus<br>
Q<sup>2</sup> * b / (g * A<sup>3</sup>) = 1</p>
<ul>
<li>Fr unter 0,86: str&ouml;mend (Wasserspiegel ruhig, St&ouml;rungen wirken nach oberstrom)</li>
<li>Fr von 0,86 bis 1,13: nahe kritisch (Wasserspiegel unruhig und instabil, Wellen)</li>
<li>Fr &uuml;ber 1,13: schie&szlig;end (St&ouml;rungen wirken nur nach unterstrom, Wechselsprung m&ouml;glich)</li>
</ul>
<p>Quelle: Chow, Open-Channel Hydraulics (1959), kritischer Abfluss eines beliebigen Querschnitts.
Den Bereich 0,86 bis 1,13, in dem Gerinne nicht bemessen werden sollen, nennt das Handbuch EM 1110-2-1601 des US Army Corps of Engineers, Hydraulic Design of Flood Control Channels (1991/1994).</p>
<p>Nach Berechnen bei Teilf&uuml;llung nennt die Statusleiste den Flie&szlig;zustand mit der Froude-Zahl und die Wandschubspannung gegen &tau;<sub>min</sub>;
die Bemessungstabelle, das Bemessungsblatt und quellrix-batch zeigen beide ebenfalls, die Teilf&uuml;llungskurven die Froude-Zahl &uuml;ber h/d.</p>
<p><u>Wenn der Abfluss nahe kritisch ist:</u> Gef&auml;lle oder Nennweite so w&auml;hlen, dass die Froude-Zahl deutlich unter oder &uuml;ber dem Band liegt.
Ein flacheres Gef&auml;lle oder eine gr&ouml;&szlig;ere Nennweite macht den Abfluss str&ouml;mend; schie&szlig;ender Abfluss verlangt Sch&auml;chte und Anschl&uuml;sse, die den Wechselsprung vertragen.</p>

<p><b><u><a name="Schub">Wandschubspannung und Ablagerungsfreiheit:</a></u></b></p>
<p>Die mittlere Wandschubspannung ist die Kraft, mit der das flie&szlig;ende Wasser an der benetzten Wand zieht. Bei gleichf&ouml;rmigem Abfluss gilt bei Voll- und Teilf&uuml;llung:<br>
&tau; = &rho; * g * r<sub>hy</sub> * J in N/m&sup2;<br>
mit dem hydraulischen Radius r<sub>hy</sub> = A / U (Fl&auml;che durch benetzten Umfang; bei Vollf&uuml;llung d<sub>i</sub> / 4) und dem Gef&auml;lle J in m/m.</p>
<p>Ablagerungen werden weitergetragen, solange &tau; eine Mindestschubspannung &tau;<sub>min</sub> erreicht.
Als Vorgabewert dient &tau;<sub>min</sub> = 0,867 N/m&sup2; (0,0181 lb/ft&sup2;): die Schubspannung, die ein Sandkorn von 1 mm bewegt, auf der die Schleppspannungsbemessung von ASCE Manual of Practice 60 / WEF FD-5, Gravity Sanitary Sewer Design and Construction (2. Auflage, 2007), ihre Mindestgef&auml;lle aufbaut.
Es ist ein &uuml;blicher Richtwert, kein Normwert. Der Nachweis der Ablagerungsfreiheit nach DWA-A 110 ber&uuml;cksichtigt Nennweite und Feststoffe und bleibt ma&szlig;gebend.</p>
<p><u>Wenn &tau; kleiner als &tau;<sub>min</sub> ist:</u> Gef&auml;lle erh&ouml;hen oder eine kleinere Nennweite w&auml;hlen (bei gleichem Durchfluss steigt dann die F&uuml;llh&ouml;he und mit ihr r<sub>hy</sub>);
f&uuml;r den ma&szlig;gebenden kleinsten Abfluss (Trockenwetterabfluss) pr&uuml;fen und bei Bedarf Sp&uuml;lungen vorsehen.</p>

<p><b><u><a name="Verlust">Verlusth&ouml;he einer Druckleitung:</a></u></b></p>
<p>Die Verlusth&ouml;he einer Leitung der L&auml;nge L setzt sich aus der Rohrreibung und den &ouml;rtlichen Verlusten ihrer Formst&uuml;cke und Armaturen zusammen:<br>
h<sub>v</sub> = J * L + &Sigma;&zeta; * v<sup>2</sup> / (2 * g) in m<br>
Jedes Formst&uuml;ck verliert das &zeta;-fache der Geschwindigkeitsh&ouml;he v<sup>2</sup> / (2 * g), bezogen auf die Geschwindigkeit im Rohr. &Uuml;bliche Verlustbeiwerte:</p>
<ul>
<li>Einlauf aus einem Beh&auml;lter, scharfkantig: &zeta; = 0,5; gut gerundet: &zeta; = 0,08 (Lueger, Lexikon der gesamten Technik, 1904, Eintrittskoeffizient)</li>
<li>Auslauf in einen Beh&auml;lter: &zeta; = 1,0 (Borda-Carnot-Verlust (1 - A<sub>1</sub>/A<sub>2</sub>)<sup>2</sup> der pl&ouml;tzlichen Erweiterung)</li>
<li>Rohrbogen 90&deg; mit dem Kr&uuml;mmungsradius R: R = 2 d: &zeta; = 0,21; R = 4 d: &zeta; = 0,14; R ab 6 d: &zeta; = 0,11 (Parker Hannifin, Katalog 4100/DE, Widerstandsbeiwerte von Rohrb&ouml;gen)</li>
<li>ganz ge&ouml;ffnet: Absperrschieber &zeta; = 0,2; Absperrklappe &zeta; = 0,6; R&uuml;ckschlagklappe &zeta; = 2,5 (COMSOL Multiphysics, Pipe Flow Module User's Guide 6.4, Ventiltypen)</li>
</ul>
<p>Die Werte sind Richtwerte; f&uuml;r eine bestimmte Armatur gilt der Wert ihres Herstellers.
<u>Wenn die Verlusth&ouml;he zu gro&szlig; ist:</u> eine gr&ouml;&szlig;ere Nennweite w&auml;hlen (J und v sinken), Formst&uuml;cke mit kleinerem &zeta; (gr&ouml;&szlig;erer Bogenradius, gerundeter Einlauf) einsetzen oder die Leitung k&uuml;rzer f&uuml;hren.</p>

<p><b><u><a name="DiQJk">Innendurchmesser aus Q, J und k:</a></u></b></p>
<p>Ist kein Widerstandsbeiwert &lambda; vorgegeben, wird der Innendurchmesser, der den Durchfluss Q beim Gef&auml;lle J und der Rauheit k f&uuml;hrt, nach Prandtl-Colebrook bestimmt.
Bei bekanntem J und d<sub>i</sub> ergibt sich die Geschwindigkeit ohne Iteration:<br>
v = -2 * &radic; (2 * g * J * d<sub>i</sub>) * lg ( 2,51 * &nu; / (d<sub>i</sub> * &radic; (2 * g * J * d<sub>i</sub>)) + k / (3,71 * d<sub>i</sub>) )<br>
Der Durchfluss Q = v * &pi; * d<sub>i</sub><sup>2</sup> / 4 w&auml;chst stetig mit d<sub>i</sub>; der gesuchte Durchmesser wird mit Newton-Schritten, die das Intervall von 0,001 mm bis 1000 m nicht verlassen (sonst Intervallhalbierung), auf eine relative Genauigkeit von 10<sup>-12</sup> bestimmt (meist etwa zehn Schritte).
Ein vorgegebenes &lambda; wird wie bisher mit der Formel von Darcy-Weisbach verwendet.</p>
<p><u>Wenn d<sub>i</sub> nicht berechnet werden kann:</u> Die Meldung nennt die fehlenden Werte (Q, J, k, &nu;, g); diese eingeben und erneut berechnen.
Liegt d<sub>i</sub> au&szlig;erhalb von 50 bis 5000 mm, Durchfluss oder Gef&auml;lle pr&uuml;fen.</p>

<p><b><u><a name="Tabelle">Bemessungstabelle:</a></u></b></p>
<p>Extras &rarr; Bemessungstabelle... zeigt f&uuml;r jede Nennweite der gew&auml;hlten Wanddickenklasse, ob sie einen Durchfluss Q abf&uuml;hrt.
Mit einem Gef&auml;lle J ist es Freispiegelabfluss: je DN die Leistungsf&auml;higkeit Q<sub>v</sub> und v<sub>v</sub> bei Vollf&uuml;llung,
das Verh&auml;ltnis Q/Q<sub>v</sub> und h<sub>t</sub>, h/d und v<sub>t</sub> exakt f&uuml;r den Kreisquerschnitt.
Dazu bei dieser F&uuml;llung die Froude-Zahl Fr und die Wandschubspannung &tau;.
Ohne J ist es Druckabfluss: v, Re, &lambda;, J, die Verlusth&ouml;he je 100 m und mit der L&auml;nge L und &Sigma;&zeta; der Leitung ihre Verlusth&ouml;he h<sub>v</sub>.
Jede Zeile nennt, welches Kriterium (v<sub>min</sub>, v<sub>max</sub>, h/d max, Fr nahe kritisch, &tau; unter &tau;<sub>min</sub>, h<sub>v</sub> &uuml;ber h<sub>v</sub> max) oder welche Berechnungsgrenze sie verfehlt;
die kleinste Nennweite, die alle Kriterien erf&uuml;llt, ist gr&uuml;n als Empfehlung markiert.
&Uuml;bernehmen, ein Doppelklick oder die Eingabetaste tragen eine Zeile ins Formular ein; weichen die N&auml;herungsformeln
des Formulars dort mehr als 5 % vom Kreisquerschnitt ab, sagt eine Meldung es mit beiden Werten.
Die Tabelle l&auml;sst sich kopieren, als CSV speichern, drucken und in der Seitenansicht betrachten;
Kopf, Ausdruck, Kopie und CSV nennen Klasse, T, &rho;, &nu;, g, k, Q, J, die Kriterien und das Datum.</p>

<p><b><u><a name="Kurven">Teilf&uuml;llungskurven:</a></u></b></p>
<p>Extras &rarr; Teilf&uuml;llungskurve... zeigt Q<sub>t</sub>/Q und v<sub>t</sub>/v &uuml;ber h/d: nach den N&auml;herungsformeln des Programms
und exakt f&uuml;r den Kreisquerschnitt bei d<sub>i</sub>, k, &nu;, g und J des Formulars, mit dem Betriebspunkt des Formulars,
dazu auf der rechten Achse die Froude-Zahl des Normalabflusses; die F&uuml;llungen mit Fr = 1 (kritisch) sind markiert.
Das Diagramm l&auml;sst sich als PNG, SVG oder PDF speichern, die Wertetabelle kopieren.</p>

<p><b><u><a name="Dateien">Berechnungsdateien:</a></u></b></p>
<p>Datei &rarr; Speichern und Speichern unter... legen die Berechnung in einer Datei NAME.qrx ab: jedes Feld, die Auswahl, die Ergebnisse
und die Projektangaben (Datei &rarr; Projektangaben...). &Ouml;ffnen..., die Liste der letzten Dateien, ein Doppelklick auf eine
.qrx-Datei und ein Dateiname beim Aufruf zeigen sie genau so wieder. Vor Neu, &Ouml;ffnen und dem Beenden fragt das Programm
nach ungespeicherten &Auml;nderungen. Eine besch&auml;digte Datei wird mit einer Meldung abgelehnt.</p>

<p><b><u><a name="Drucken">Bericht, Bemessungsblatt und Ergebnisse:</a></u></b></p>
<p>Datei &rarr; Drucken..., Seitenansicht und Als PDF speichern... geben den einseitigen Rechenbericht aus.
Das Bemessungsblatt (Datei &rarr; Bemessungsblatt drucken..., -Seitenansicht, als PDF speichern...) zeigt ein berechnetes Ergebnis
f&uuml;r den Auftraggeber: Projektangaben, Rohr, Fluid, alle Werte, die gepr&uuml;ften Grenzen (bei Teilf&uuml;llung mit Flie&szlig;zustand und
Wandschubspannung, bei einer Leitung aus der Bemessungstabelle mit ihrer Verlusth&ouml;he), die Formeln und bei Teilf&uuml;llung
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
