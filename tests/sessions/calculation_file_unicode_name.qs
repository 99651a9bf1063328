# A calculation saved under a file name with umlauts and a blank, and opened again from it.
start
type 1023 1
leave
click 1007
save Prüfung ä.qrx
type 1023 2
leave
answer 7
open Prüfung ä.qrx
show 1023 1015
document
