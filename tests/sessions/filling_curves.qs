# Filling curves of a sewer: DN 300 (di 307.80 mm), kb 0.75 mm, J = 5 m/km gives v and Q; the filling
# height 150 mm is the operating point. Fitted and exact ratios over h/d, then the operating point.
start
pick 1008 300
pick 1053 kb - Sammelkanäle mit Schacht: 0.75
pick 1030 #1
type 1015 5
click 1007
click 1002
type 1026 150
leave
show 1011 1023 1025 1026 1036 1027
curve
