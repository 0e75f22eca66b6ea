# The two commands a player or developer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifdef CI
CMAKE_FLAGS += -DLVTRIV_WERROR=ON
endif

.PHONY: deps configure build run test bench clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j2

run: build
	$(BUILD)/app/lvtriv

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

clean:
	rm -rf $(BUILD)
