# A calculation saved, changed, and opened again: the question before the change goes is answered
# "Nein", and the form shows the saved calculation again, with its project header.
start
type 1023 1
leave
click 1007
project Projekt Leitung Nord
save nord.qrx
type 1023 2
leave
answer 7
open nord.qrx
show 1023 1015
document
