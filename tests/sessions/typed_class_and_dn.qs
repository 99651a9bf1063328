# A DN typed into the DN list and left is picked as picking it would; a text that is no entry gives
# way to the selected entry again. The same for the class list, also when a click leaves it.
start
type 1025 10
edit 1008 150
show 1008
tab
show 1008 1004 1010 1012 1011 1025
type 1025 10
edit 1008 155
leave
show 1008 1011 1025
edit 1009 K9-Trinkwasser
click 1002
show 1009 1008 1004 1010 1012 1011
edit 1009 K99
pick 1030 #1
show 1009 1008 1011
