# Partial filling in DN 300 with J given and Qt = 30 l/s typed: one "Berechnen" gives v and Q and
# completes ht, vt and the water-surface width from them; Qt stays as typed, also when calculating
# again.
clock 2027-01-02 03:04:05
start
click 1002
pick 1008 300
pick 1030 #1
type 1015 5
type 1036 30
click 1007
show 1023 1025 1036 1038 1026 1027 1040
click 1007
show 1036 1026 1027
command preview
