# Tabbing through an opened calculation changes nothing: no unsaved change, Re as it was, the result
# and its mark stay, and the design sheet commands remain enabled.
start
type 1023 1
leave
click 1007
save calc.qrx
command new
open calc.qrx
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
tab
document
show 1015 1037 1023
record
