# "Teilfüllung" enables ht, Qt and vt; a filling height of half the diameter (typed with a decimal
# comma) derives Qt, vt and the water-surface width; "Vollfüllung" disables the four fields again but
# keeps their texts and record values.
start
type 1023 1
leave
click 1002
show 1001 1002 1026 1036 1038 1027
type 1026 50,5
leave
show 1026 1036 1038 1027 1040
record
click 1001
show 1001 1002 1026 1036 1038 1027 1040
record
