# Partial filling with di sought from lambda, J, g and Q (rule 2), with Qt = Q / 2; the print preview
# shows the di result and the partial-filling block with the height derived from the new di.
clock 2027-01-02 03:04:05
start
click 1002
pick 1030 #3
type 1015 10
type 1039 0,02
type 1025 8
type 1036 4
click 1007
show 1011 1026 1040
command preview
