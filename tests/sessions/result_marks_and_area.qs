# Every result mark goes with the result: after a DN change, after an input change whose solve fails.
# "Fläche Av" always shows the area of the pipe on the form, in partial filling too, where passing
# through it or typing into it says nothing.
start
type 1023 1
click 1007
show 1015
pick 1008 200
show 1015 1024
pick 1030 #1
pick 1008 #13
type 1015 5
click 1007
show 1023 1025
type 1015 400
click 1007
show 1023 1025 1016
click 1002
pick 1008 300
show 1024
type 1024 0.5
tab
show 1024 1011
