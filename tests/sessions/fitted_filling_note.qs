# Partial filling far below the range of the fitted relations: after "Berechnen" the form says beside
# the result that they leave the exact circular section, with the exact ht, Qt and vt. At half filling it
# says nothing; without a result neither. The printed report carries the note below the result.
clock 2026-12-08 10:00:00
start
pick 1008 300
pick 1053 kb - Sammelkanäle mit Schacht: 0.75
pick 1030 #1
type 1015 5
click 1002
type 1036 0.5
leave
status
click 1007
show 1026 1036 1027
status
type 1036 40
leave
click 1007
status
type 1036 0.5
leave
click 1007
command print
