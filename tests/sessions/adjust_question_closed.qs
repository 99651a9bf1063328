# J sought, DN 200, v 20 m/s, then Re 1000: the limit message, then the question which parameter follows
# Re ends by its close box. The entry is cancelled: Re back to its value from v, ν, T and ρ as they were;
# "Berechnen" marks J only. Answering "ny" (2) still adapts ν, and the changed input drops J's mark.
start
pick 1008 200
type 1023 20
tab
type 1037 1000
tab
show 1037 1006 1005 1013 1023
click 1007
show 1015 1006
type 1037 1000
answer 2
tab
show 1037 1006 1015
