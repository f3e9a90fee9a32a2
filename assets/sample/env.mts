ltype=0
