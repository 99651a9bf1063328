# Switching the sought parameter after a J result: " di [mm] " drops the result marks, disables the
# pipe controls and clears lambda, Re, Q and v; back to " J [m/km] " enables them again and empties J.
start
type 1023 1
leave
click 1007
pick 1030 #3
show 1030 1015 1023 1025 1016 1037 1039 1014 1053 1011 1024 1004 1010 1012 1008 1009
record
pick 1030 #0
show 1030 1015 1023 1025 1016 1037 1039 1014 1053 1011 1024 1004 1010 1012 1008 1009
record
